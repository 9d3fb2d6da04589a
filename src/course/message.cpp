#include "course/message.h"

#include <cstdio>

namespace kurvex {

std::string JoinMessage(const std::string& title, std::initializer_list<std::string> body) {
  std::string message = title + "\r\n";
  for (const std::string& line : body) message += "\r\n" + line;
  return message;
}

std::string DefaultNumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

}  // namespace kurvex
