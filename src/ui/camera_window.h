#pragma once
// The Camera window: the six camera values and the twelve direction buttons.

#include "ui/tool_window.h"

namespace kurvex {

class Dialogs;

class CameraWindow : public ToolWindow {
  Q_OBJECT

 public:
  CameraWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);

 private:
  Dialogs& dialogs_;
};

}  // namespace kurvex
