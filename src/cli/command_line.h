#pragma once
// The system's part of starting kurvex-cli: the arguments as UTF-8, and standard streams that
// pass bytes through unchanged (the data sheet's CR LF stays CR LF, a line end stays LF).

#include "cli/cli.h"

namespace kurvex::cli {

Args CommandLineArguments(int argc, char** argv);
void UseBinaryStandardStreams();

}  // namespace kurvex::cli
