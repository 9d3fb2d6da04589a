#pragma once
// The Element Properties window: the current CTL point and segment, and the whole-course operations.

#include "ui/tool_window.h"

namespace kurvex {

class Dialogs;

class ElementPropertiesWindow : public ToolWindow {
  Q_OBJECT

 public:
  ElementPropertiesWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);

 private:
  Dialogs& dialogs_;
};

}  // namespace kurvex
