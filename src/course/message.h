#pragma once
// User messages below the windows: a title line, an empty line and the body lines, joined by
// CR LF. The windows show them in message boxes; kurvex-cli prints them.

#include <initializer_list>
#include <string>

namespace kurvex {

std::string JoinMessage(const std::string& title, std::initializer_list<std::string> body);

// A number in its shortest everyday decimal form (15 significant digits, no trailing zeros),
// as in "1.2".
std::string DefaultNumberText(double value);

}  // namespace kurvex
