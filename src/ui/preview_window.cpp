#include "ui/preview_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/editor_session.h"
#include "ui/preview_view.h"

namespace kurvex {

PreviewWindow::PreviewWindow(EditorSession& session, QWidget* owner)
    : ToolWindow(session, QStringLiteral("Preview"), owner), view_(new PreviewView(session)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PreviewView::OpenGLAvailable() ? ViewSurface() : NoOpenGLNotice());
  resize(800, 600);
}

QWidget* PreviewWindow::ViewSurface() {
  QWidget* surface = QWidget::createWindowContainer(view_, this);
  surface->setFocusPolicy(Qt::StrongFocus);
  surface->setMinimumSize(160, 120);
  view_embedded_ = true;
  return surface;
}

// Without OpenGL the view is never shown, so it never draws; the rest of the editor works on.
QWidget* PreviewWindow::NoOpenGLNotice() {
  auto* notice = new QLabel(tr("The preview needs OpenGL, which this display does not offer."),
                            this);
  notice->setObjectName(QStringLiteral("noOpenGL"));
  notice->setAlignment(Qt::AlignCenter);
  notice->setWordWrap(true);
  notice->setMinimumSize(160, 120);
  return notice;
}

PreviewWindow::~PreviewWindow() {
  if (!view_embedded_) delete view_;
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  // When the program ends, the GL state goes before the context does.
  if (session_.closing()) view_->KillGL();
  ToolWindow::closeEvent(event);
}

}  // namespace kurvex
