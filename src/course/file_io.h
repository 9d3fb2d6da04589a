#pragma once
// File names of the save dialogs, with the guarded reads and the safe writes every file
// operation goes through.

#include <string>

#include "course/file_read.h"
#include "course/file_write.h"

namespace kurvex {

// The save-name rule of the file dialogs: a name that does not end in the extension (compared
// without case) gets it appended; a name shorter than the extension becomes the fallback.
std::string CompleteFileName(const std::string& name, const std::string& extension,
                             const std::string& fallback);

}  // namespace kurvex
