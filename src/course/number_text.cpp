#include "course/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kurvex {

std::string FormatFixed(double value, int decimals) {
  // Below 1e-6 every value rounds to zero at the precisions used; above it, 80 decimals hold
  // the exact expansion of any double, so the first dropped digit decides the rounding.
  if (!std::isfinite(value) || std::fabs(value) < 1e-6) value = 0;
  char exact[400];
  std::snprintf(exact, sizeof exact, "%.80f", std::fabs(value));
  std::string digits(exact);
  const size_t point = digits.find('.');
  const bool round_up = digits[point + decimals + 1] >= '5';
  digits.resize(decimals > 0 ? point + decimals + 1 : point);
  if (round_up) {
    size_t i = digits.size();
    while (i-- > 0) {
      if (digits[i] == '.') continue;
      if (digits[i] != '9') {
        ++digits[i];
        break;
      }
      digits[i] = '0';
      if (i == 0) digits.insert(digits.begin(), '1');
    }
  }
  const bool zero = digits.find_first_not_of("0.") == std::string::npos;
  return (value < 0 && !zero) ? "-" + digits : digits;
}

std::string FormatDecimals(double value, int min_decimals, int max_decimals) {
  std::string text = FormatFixed(value, max_decimals);
  const size_t point = text.find('.');
  if (point == std::string::npos) return text;
  const size_t keep = point + 1 + static_cast<size_t>(std::max(min_decimals, 0));
  while (text.size() > keep && text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

ParsedNumber ReadLeadingNumber(const std::string& text) {
  // Collect the characters that form the number, then let strtod convert them.
  std::string number;
  enum { kSign, kInteger, kFraction, kExponentSign, kExponent } state = kSign;
  for (char c : text) {
    if (IsBlank(c)) continue;
    if ((c == '+' || c == '-') && (state == kSign || state == kExponentSign)) {
      number += c;
      state = state == kSign ? kInteger : kExponent;
    } else if (IsDigit(c) && state != kExponentSign) {
      number += c;
      if (state == kSign) state = kInteger;
    } else if (IsDigit(c)) {
      number += c;
      state = kExponent;
    } else if (c == '.' && (state == kSign || state == kInteger)) {
      number += c;
      state = kFraction;
    } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') &&
               (state == kInteger || state == kFraction) &&
               number.find_first_of("0123456789") != std::string::npos) {
      number += 'e';
      state = kExponentSign;
    } else {
      break;
    }
  }
  // A dangling exponent mark or sign adds nothing.
  while (!number.empty() &&
         (number.back() == 'e' || number.back() == '+' || number.back() == '-')) {
    const char last = number.back();
    number.pop_back();
    if (last == 'e') break;
  }
  ParsedNumber parsed;
  if (number.find_first_of("0123456789") == std::string::npos) return parsed;
  parsed.value = std::strtod(number.c_str(), nullptr);
  parsed.overflow = std::isinf(parsed.value);
  return parsed;
}

}  // namespace kurvex
