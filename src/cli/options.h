#pragma once
// The arguments of one command split into options and the rest, the same way for every
// command: an option is a word that starts with "-" (other than "-" itself); "--" ends the
// options. An option that the command does not know is a usage error.

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli.h"

namespace kurvex::cli {

struct OptionSpec {
  const char* name;  // "--size"
  bool takes_value;  // the next argument is its value, whatever it starts with
};

struct ParsedArgs {
  Args positional;
  std::vector<std::pair<std::string, std::string>> options;  // in the order given

  bool Has(const std::string& name) const;
};

// kExitOk, or kExitUsage after printing the complaint.
int ParseArgs(const std::string& command, const Args& args, std::initializer_list<OptionSpec> specs,
              ParsedArgs* parsed);

}  // namespace kurvex::cli
