#pragma once
// The Course Properties window: the course's game texts, venue, sky, music, horizons and statistics.

#include "ui/tool_window.h"

namespace kurvex {

class Dialogs;

class CoursePropertiesWindow : public ToolWindow {
  Q_OBJECT

 public:
  CoursePropertiesWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);

 private:
  Dialogs& dialogs_;
};

}  // namespace kurvex
