#pragma once
// Decimal numbers in the text form of a course.

#include <string>

namespace kurvex {

// Fixed-point text with the given number of decimals ("0.000" is 3), rounded half away from
// zero on the exact binary value; a value that rounds to zero has no minus sign.
std::string FormatFixed(double value, int decimals);

// Text with at least min_decimals and at most max_decimals decimals: rounded as FormatFixed at
// max_decimals, then trailing zeros dropped down to min_decimals. The speed and offset boxes
// show "0.0##", that is FormatUpTo(value, 1, 3): 0.1 "0.1", 2 "2.0", 0.12345 "0.123".
std::string FormatUpTo(double value, int min_decimals, int max_decimals);

// Reads a number from the start of a text as a person typed it: optional sign, digits,
// decimal point and fraction, exponent (E or D); blanks inside are skipped and reading stops
// at the first character that cannot continue the number. No number reads as 0.
struct ParsedNumber {
  double value = 0;
  bool overflow = false;  // beyond the double range
};
ParsedNumber ReadLeadingNumber(const std::string& text);

}  // namespace kurvex
