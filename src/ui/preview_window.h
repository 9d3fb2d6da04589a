#pragma once
// The Preview window: the 3D view of the course.

#include "ui/tool_window.h"

namespace kurvex {

class PreviewView;

class PreviewWindow : public ToolWindow {
  Q_OBJECT

 public:
  PreviewWindow(EditorSession& session, QWidget* owner);
  ~PreviewWindow() override;

  PreviewView& view() { return *view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* ViewSurface();
  QWidget* NoOpenGLNotice();

  PreviewView* view_;
  bool view_embedded_ = false;  // the embedding widget then owns the view
};

}  // namespace kurvex
