// What kurvex-cli prints: results on standard output, notices and failures on standard error.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/cli.h"
#include "course/path_text.h"

namespace kurvex::cli {

int Fail(const Message& message, const std::string& reason) {
  if (!reason.empty()) std::fprintf(stderr, "%s\n", reason.c_str());
  if (!message.empty()) std::fprintf(stderr, "%s\n", message.Text("\n").c_str());
  return kExitFailed;
}

int Fail(const FileOutcome& outcome) { return Fail(outcome.message, outcome.reason); }

void PrintNotices(const std::string& source, const std::vector<std::string>& notices) {
  for (const std::string& notice : notices) {
    if (source.empty()) {
      std::fprintf(stderr, "%s\n", notice.c_str());
    } else {
      std::fprintf(stderr, "%s: %s\n", PathText(source).c_str(), notice.c_str());
    }
  }
}

int PrintOutput(const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (std::fflush(stdout) == 0 && written) return kExitOk;
  const std::string why = errno != 0 ? std::strerror(errno) : "write error";
  return Fail(MakeMessage("Error: Output error", {"The output could not be written."}),
              "standard output: " + why);
}

}  // namespace kurvex::cli
