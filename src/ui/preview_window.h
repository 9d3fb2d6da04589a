#pragma once
// The Preview window: the 3D view of the course.

#include "ui/tool_window.h"

namespace kurvex {

class PreviewView;

class PreviewWindow : public ToolWindow {
  Q_OBJECT

 public:
  PreviewWindow(EditorSession& session, QWidget* owner);

  PreviewView& view() { return *view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  PreviewView* view_;
};

}  // namespace kurvex
