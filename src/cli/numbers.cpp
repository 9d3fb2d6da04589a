#include "cli/numbers.h"

#include <cmath>
#include <cstdlib>

namespace kurvex::cli {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips digits from at; returns how many.
size_t Digits(const std::string& text, size_t& at) {
  const size_t start = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at - start;
}

// [+-] digits [. digits] [e [+-] digits], with digits on at least one side of the point.
bool IsDecimalNotation(const std::string& text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  size_t mantissa = Digits(text, at);
  if (at < text.size() && text[at] == '.') {
    ++at;
    mantissa += Digits(text, at);
  }
  if (mantissa == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (Digits(text, at) == 0) return false;
  }
  return at == text.size();
}

}  // namespace

bool ParseDecimal(const std::string& text, double* value) {
  if (!IsDecimalNotation(text)) return false;
  const double parsed = std::strtod(text.c_str(), nullptr);
  if (!std::isfinite(parsed)) return false;
  *value = parsed;
  return true;
}

bool ParseDecimals(const std::string& text, size_t count, std::vector<double>* values) {
  values->clear();
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    const std::string part = text.substr(start, comma == std::string::npos ? comma : comma - start);
    double value = 0;
    if (!ParseDecimal(part, &value)) return false;
    values->push_back(value);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return values->size() == count;
}

bool ParseWholeNumber(const std::string& text, int* value) {
  size_t at = 0;
  const size_t digits = Digits(text, at);
  if (digits == 0 || digits > 9 || at != text.size()) return false;
  *value = std::atoi(text.c_str());
  return true;
}

}  // namespace kurvex::cli
