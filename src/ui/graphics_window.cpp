#include "ui/graphics_window.h"

#include "ui/editor_session.h"

namespace kurvex {

GraphicsWindow::GraphicsWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Graphics Settings"), owner), dialogs_(dialogs) {}

}  // namespace kurvex
