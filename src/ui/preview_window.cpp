#include "ui/preview_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "ui/editor_session.h"
#include "ui/preview_view.h"

namespace kurvex {

PreviewWindow::PreviewWindow(EditorSession& session, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Preview"), owner), view_(new PreviewView(session)) {
  QWidget* surface = QWidget::createWindowContainer(view_, this);
  surface->setFocusPolicy(Qt::StrongFocus);
  surface->setMinimumSize(160, 120);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(surface);
  resize(800, 600);
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  // When the program ends, the GL state goes before the context does.
  if (session_.closing()) view_->KillGL();
  ToolWindow::closeEvent(event);
}

}  // namespace kurvex
