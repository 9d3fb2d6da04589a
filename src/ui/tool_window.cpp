#include "ui/tool_window.h"

#include <QCloseEvent>

#include "ui/editor_session.h"

namespace kurvex {

ToolWindow::ToolWindow(EditorSession& session, const QString& caption, QWidget* owner)
    : QWidget(owner, Qt::Tool), session_(session) {
  setWindowTitle(caption);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
  if (session_.closing()) {
    event->accept();
    return;
  }
  event->ignore();
  hide();
}

void ToolWindow::StopListening() {
  session_.disconnect(this);
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void ToolWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) emit visibilityChanged(true);
}

void ToolWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) emit visibilityChanged(false);
}

}  // namespace kurvex
