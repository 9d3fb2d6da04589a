#pragma once
// The Preview window: the 3D view of the course. It frames the course (View → Frame Course),
// and a course opened where the camera sees less than half of it.

#include <memory>

#include "ui/tool_window.h"

namespace kurvex {

class CommandRunner;
class Dialogs;
class PreviewView;

class PreviewWindow : public ToolWindow {
  Q_OBJECT

 public:
  PreviewWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner);
  ~PreviewWindow() override;

  PreviewView& view() { return *view_; }
  // Looks down on the whole course.
  void FrameCourse();
  // For a course just opened: frames it when the camera sees less than half of it; a view
  // that shows most of it is the user's and stays.
  void FrameIfOutOfSight();
  // The view's size in pixels, and the current view drawn at another size (null without GL).
  QSize PictureSize() const;
  QImage RenderPicture(const QSize& size);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* ViewSurface();
  QWidget* NoOpenGLNotice();

  std::unique_ptr<CommandRunner> runner_;
  PreviewView* view_;
  bool view_embedded_ = false;  // the embedding widget then owns the view
};

}  // namespace kurvex
