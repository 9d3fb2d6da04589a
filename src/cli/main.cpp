// kurvex-cli: the editor's course jobs for scripts and batch work.
#include <cstdio>
#include <map>
#include <string>

#include "cli/cli.h"

namespace kurvex::cli {

namespace {

struct Command {
  int (*run)(const Args&);
  const char* usage;
};

const std::map<std::string, Command>& Commands() {
  static const std::map<std::string, Command> commands = {
      {"new", {RunNew, "kurvex-cli new OUT\n  Writes the new course to OUT (.kurv or .txt).\n"}},
      {"convert",
       {RunConvert,
        "kurvex-cli convert COURSE OUT\n  Reads COURSE and writes it to OUT (.kurv or .txt).\n"}},
      {"sheet",
       {RunSheet,
        "kurvex-cli sheet COURSE\n  Writes the data sheet text of COURSE to standard output\n"
        "  (Windows-1252, CR LF, no final line break).\n"}},
  };
  return commands;
}

const char kCourseHelp[] =
    "COURSE is a KURV file (*.kurv) or a track text file (*.txt).\n"
    "Exit status: 0 success, 1 the operation failed (message on standard error),\n"
    "2 usage error.\n";

}  // namespace

std::string Usage(const std::string& command) {
  const auto found = Commands().find(command);
  if (found != Commands().end()) return std::string("Usage: ") + found->second.usage + kCourseHelp;
  std::string usage = "Usage: kurvex-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
  for (const auto& [name, entry] : Commands()) usage += std::string("  ") + entry.usage;
  usage += "\n";
  usage += kCourseHelp;
  usage += "kurvex-cli --help and kurvex-cli COMMAND --help print this usage.\n";
  return usage;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitFailed;
}

int UsageError(const std::string& command, const std::string& complaint) {
  std::fprintf(stderr, "kurvex-cli %s: %s\n\n%s", command.c_str(), complaint.c_str(),
               Usage(command).c_str());
  return kExitUsage;
}

int Main(const Args& all) {
  if (all.empty()) {
    std::fputs(Usage("").c_str(), stderr);
    return kExitUsage;
  }
  const std::string& name = all[0];
  if (name == "--help" || name == "-h" || name == "help") {
    std::fputs(Usage(all.size() > 1 ? all[1] : "").c_str(), stdout);
    return kExitOk;
  }
  const auto command = Commands().find(name);
  if (command == Commands().end()) return UsageError(name, "unknown command");
  const Args args(all.begin() + 1, all.end());
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::fputs(Usage(name).c_str(), stdout);
      return kExitOk;
    }
  }
  return command->second.run(args);
}

}  // namespace kurvex::cli

int main(int argc, char** argv) {
  return kurvex::cli::Main(kurvex::cli::Args(argv + 1, argv + argc));
}
