#pragma once
// A file name as a line of a message shows it. Every refusal is "FILE: reason" on one line;
// a name holding a line break or another control character would split that line or play
// tricks on a terminal, so such a name is quoted as a POSIX shell's $'...' would write it.

#include <string>

namespace kurvex {

// The path unchanged, or $'...' with \n, \r, \t, \\, \' and \xHH for the other control bytes:
// "a\nb.kurv" becomes "$'a\nb.kurv'" (with a backslash and an n), pasted back into a shell
// it names the same file.
std::string PathText(const std::string& path);

}  // namespace kurvex
