#pragma once
// Runs a program as a test sees it from outside: arguments, exit status, and the exact bytes of
// standard output and standard error.

#include <string>
#include <vector>

namespace kurvex::test {

struct ProcessResult {
  int exit_status = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace kurvex::test
