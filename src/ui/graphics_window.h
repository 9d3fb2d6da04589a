#pragma once
// The Graphics Settings window: what the preview draws and in which colours.

#include "ui/tool_window.h"

namespace kurvex {

class Dialogs;

class GraphicsWindow : public ToolWindow {
  Q_OBJECT

 public:
  GraphicsWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);

 private:
  Dialogs& dialogs_;
};

}  // namespace kurvex
