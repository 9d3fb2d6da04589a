#pragma once
// A user message from below the windows: a title line such as "Error: File not found" and the
// body lines. The windows show it in a message box line by line (the box may wrap a long line);
// kurvex-cli prints it line by line; the data sheet keeps its CR LF text.

#include <initializer_list>
#include <string>
#include <vector>

namespace kurvex {

struct Message {
  std::string title;               // empty for a message that is only a body
  std::vector<std::string> lines;  // the body

  bool empty() const { return title.empty() && lines.empty(); }
  // The title, an empty line and the body lines, joined by eol; without a title, the body.
  std::string Text(const std::string& eol = "\r\n") const;
  // The body lines alone, joined by eol.
  std::string Body(const std::string& eol) const;
  bool operator==(const Message& other) const {
    return title == other.title && lines == other.lines;
  }
  bool operator!=(const Message& other) const { return !(*this == other); }
};

Message MakeMessage(std::string title, std::initializer_list<std::string> body);

// A number in its shortest everyday decimal form (15 significant digits, no trailing zeros),
// as in "1.2".
std::string DefaultNumberText(double value);

}  // namespace kurvex
