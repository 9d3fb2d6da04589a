#include "ui/camera_window.h"

#include "ui/editor_session.h"

namespace kurvex {

CameraWindow::CameraWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Camera"), owner), dialogs_(dialogs) {}

}  // namespace kurvex
