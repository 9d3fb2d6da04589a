#pragma once
// The Preview window: the 3D view of the course.

#include "ui/tool_window.h"

namespace kurvex {

class PreviewWidget;

class PreviewWindow : public ToolWindow {
  Q_OBJECT

 public:
  PreviewWindow(EditorSession& session, QWidget* owner);

  PreviewWidget& view() { return *view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  PreviewWidget* view_;
};

}  // namespace kurvex
