#include "cli/options.h"

#include <algorithm>

namespace kurvex::cli {

namespace {

bool LooksLikeOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

}  // namespace

bool ParsedArgs::Has(const std::string& name) const {
  return std::any_of(options.begin(), options.end(),
                     [&](const auto& option) { return option.first == name; });
}

int ParseArgs(const std::string& command, const Args& args, std::initializer_list<OptionSpec> specs,
              ParsedArgs* parsed) {
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || !LooksLikeOption(arg)) {
      parsed->positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    const OptionSpec* known = std::find_if(specs.begin(), specs.end(),
                                           [&](const OptionSpec& s) { return arg == s.name; });
    if (known == specs.end()) return UnknownOption(command, arg);
    if (!known->takes_value) {
      parsed->options.emplace_back(arg, "");
      continue;
    }
    if (i + 1 == args.size()) return UsageError(command, arg + " needs a value");
    parsed->options.emplace_back(arg, args[++i]);
  }
  return kExitOk;
}

}  // namespace kurvex::cli
