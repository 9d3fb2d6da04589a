#pragma once
// The Data Sheet window: the course as text, with Update, Export and Import.

#include "ui/tool_window.h"

namespace kurvex {

class Dialogs;

class DataSheetWindow : public ToolWindow {
  Q_OBJECT

 public:
  DataSheetWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);

 private:
  Dialogs& dialogs_;
};

}  // namespace kurvex
