#include "ui/session_inputs.h"

#include "ui/editor_session.h"

namespace kurvex {

InputFiles SessionInputs(const EditorSession& session) {
  InputFiles inputs = CourseSaveInputs(session);
  inputs.Add(session.file_path().toStdString());
  return inputs;
}

InputFiles CourseSaveInputs(const EditorSession& session) {
  return {session.input_rom().toStdString()};
}

}  // namespace kurvex
