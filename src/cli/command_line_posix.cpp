// POSIX systems hand the arguments over as the bytes typed, and never translate line ends.
#include "cli/command_line.h"

namespace kurvex::cli {

Args CommandLineArguments(int argc, char** argv) { return Args(argv + 1, argv + argc); }

void UseBinaryStandardStreams() {}

}  // namespace kurvex::cli
