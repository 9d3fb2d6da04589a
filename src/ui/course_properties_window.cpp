#include "ui/course_properties_window.h"

#include "ui/editor_session.h"

namespace kurvex {

CoursePropertiesWindow::CoursePropertiesWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Course Properties"), owner), dialogs_(dialogs) {}

}  // namespace kurvex
