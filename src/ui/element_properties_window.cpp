#include "ui/element_properties_window.h"

#include "ui/editor_session.h"

namespace kurvex {

ElementPropertiesWindow::ElementPropertiesWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Element Properties"), owner), dialogs_(dialogs) {}

}  // namespace kurvex
