#pragma once
// The whole editor as the program starts it (main window, tool windows, settings from
// `config`), with scripted dialogs, for the window tests that drive it end to end.

#include <QString>

#include "scripted_dialogs.h"
#include "ui/editor_session.h"
#include "ui/main_window.h"

namespace kurvex::test {

struct StartedEditor {
  explicit StartedEditor(const QString& config)
      : window(session, dialogs, config, config + "/cache") {
    window.Start();
  }
  EditorSession session;
  ScriptedDialogs dialogs;
  MainWindow window;
};

}  // namespace kurvex::test
