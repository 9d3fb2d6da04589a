#include "ui/data_sheet_window.h"

#include "ui/editor_session.h"

namespace kurvex {

DataSheetWindow::DataSheetWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Data Sheet"), owner), dialogs_(dialogs) {}

}  // namespace kurvex
