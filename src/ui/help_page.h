#pragma once
// Where the editor's help page is, in the build folder or in an installed tree.

#include <QString>

namespace kurvex {

// The help page beside the program (help/Contents.html, as the build copies it), else in the
// data folder an installation puts beside the program's bin folder. Empty when neither holds
// it.
QString FindHelpPage(const QString& program_dir);

}  // namespace kurvex
