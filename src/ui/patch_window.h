#pragma once
// The Patch to ROM window: courses written into a copy of a ROM image.

#include "ui/tool_window.h"

namespace kurvex {

class Dialogs;

class PatchWindow : public ToolWindow {
  Q_OBJECT

 public:
  PatchWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);

 private:
  Dialogs& dialogs_;
};

}  // namespace kurvex
