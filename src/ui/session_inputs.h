#pragma once
// The files the editor has read and must never write over: the input ROM (only ever read) and
// the file the course came from. Saving the course takes only the ROM, since replacing the
// course's own file is what Save is for.

#include "course/file_write.h"

namespace kurvex {

class EditorSession;

// The input ROM and the course's file: for exports, texture dumps and patched copies.
InputFiles SessionInputs(const EditorSession& session);
// The input ROM only: for writing the course itself.
InputFiles CourseSaveInputs(const EditorSession& session);

}  // namespace kurvex
