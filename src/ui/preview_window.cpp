#include "ui/preview_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "ui/editor_session.h"
#include "ui/preview_widget.h"

namespace kurvex {

PreviewWindow::PreviewWindow(EditorSession& session, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Preview"), owner),
      view_(new PreviewWidget(session, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  resize(800, 600);
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  // When the program ends, the GL state goes before the context does.
  if (session_.closing()) view_->KillGL();
  ToolWindow::closeEvent(event);
}

}  // namespace kurvex
