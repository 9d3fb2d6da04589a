// Windows hands main() its arguments in the ANSI code page, which cannot hold every file name:
// they are taken from the wide command line instead. Its C runtime would also turn "\n" into
// "\r\n" on the standard streams.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>

#include "cli/command_line.h"
#include "course/windows_text.h"

namespace kurvex::cli {

Args CommandLineArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return Args(argv + 1, argv + argc);
  Args args;
  for (int i = 1; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  ::LocalFree(wide);
  return args;
}

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace kurvex::cli
