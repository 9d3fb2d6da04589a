#pragma once
// Numbers on the command line: plain decimal notation only ("12", "-0.5", "1e3"). Anything a
// script could produce by mistake (nan, inf, hex, a trailing comma, a value beyond the double
// range) is refused rather than taken.

#include <cstddef>
#include <string>
#include <vector>

namespace kurvex::cli {

bool ParseDecimal(const std::string& text, double* value);
// Exactly count decimals separated by commas: "X,Y,Z".
bool ParseDecimals(const std::string& text, size_t count, std::vector<double>* values);
// A whole number of at most 9 digits, without sign.
bool ParseWholeNumber(const std::string& text, int* value);

}  // namespace kurvex::cli
