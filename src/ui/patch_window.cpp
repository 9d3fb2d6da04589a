#include "ui/patch_window.h"

#include "ui/editor_session.h"

namespace kurvex {

PatchWindow::PatchWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Patch to ROM"), owner), dialogs_(dialogs) {}

}  // namespace kurvex
