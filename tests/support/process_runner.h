#pragma once
// Runs a program as a test sees it from outside: arguments, exit status, and the exact bytes of
// standard output and standard error.

#include <string>
#include <vector>

namespace kurvex::test {

struct ProcessResult {
  int exit_status = -1;    // -1 when the program did not exit normally
  bool timed_out = false;  // killed after RunOptions::timeout_seconds
  std::string out;
  std::string err;
};

struct RunOptions {
  // Kills a program that has not ended by then, so that a hang fails the test instead of
  // blocking it.
  int timeout_seconds = 60;
  // Standard output goes to this file instead of being captured (e.g. "/dev/full").
  std::string stdout_path;
};

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const RunOptions& options = {});

}  // namespace kurvex::test
