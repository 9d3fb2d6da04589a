#include "course/message.h"

#include <cstdio>
#include <utility>

namespace kurvex {

std::string Message::Text(const std::string& eol) const {
  std::string text = title;
  if (!title.empty() && !lines.empty()) text += eol;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0 || !title.empty()) text += eol;
    text += lines[i];
  }
  return text;
}

std::string Message::Body(const std::string& eol) const {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += eol;
    text += lines[i];
  }
  return text;
}

Message MakeMessage(std::string title, std::initializer_list<std::string> body) {
  return {std::move(title), body};
}

std::string DefaultNumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

}  // namespace kurvex
