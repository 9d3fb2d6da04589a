#include "ui/preview_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "preview/view_projection.h"
#include "ui/command_runner.h"
#include "ui/editor_session.h"
#include "ui/preview_view.h"

namespace kurvex {

PreviewWindow::PreviewWindow(EditorSession& session, Dialogs& dialogs, QWidget* owner)
    : ToolWindow(session, tr("Preview"), owner),
      runner_(std::make_unique<CommandRunner>(session, dialogs, this, tr("Preview"))),
      view_(new PreviewView(session, *runner_)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PreviewView::OpenGLAvailable() ? ViewSurface() : NoOpenGLNotice());
  resize(800, 600);
}

QWidget* PreviewWindow::ViewSurface() {
  QWidget* surface = QWidget::createWindowContainer(view_, this);
  surface->setFocusPolicy(Qt::StrongFocus);
  surface->setMinimumSize(160, 120);
  surface->setAccessibleName(tr("Course preview"));
  view_embedded_ = true;
  return surface;
}

// Without OpenGL the view is never shown, so it never draws; the rest of the editor works on.
QWidget* PreviewWindow::NoOpenGLNotice() {
  auto* notice =
      new QLabel(tr("The preview needs OpenGL, which this display does not offer."), this);
  notice->setObjectName(QStringLiteral("noOpenGL"));
  notice->setAlignment(Qt::AlignCenter);
  notice->setWordWrap(true);
  notice->setMinimumSize(160, 120);
  return notice;
}

PreviewWindow::~PreviewWindow() {
  if (!view_embedded_) delete view_;
}

void PreviewWindow::FrameCourse() {
  const double aspect = view_->height() > 0 ? double(view_->width()) / view_->height() : 4.0 / 3;
  const CameraValues framing =
      FramingCamera(session_.document().course(), aspect, session_.camera().values());
  session_.RestoreCamera(framing);
}

void PreviewWindow::FrameIfOutOfSight() {
  // Only openings come here, so the camera kept from the last run is never replaced at start.
  const Course& course = session_.document().course();
  if (view_->width() > 0 &&
      2 * PointsInView(course, session_.camera().values(), view_->width(), view_->height()) <
          course.PointCount) {
    FrameCourse();
  }
}

QSize PreviewWindow::PictureSize() const {
  const qreal ratio = view_->devicePixelRatio();
  return QSize(qRound(view_->width() * ratio), qRound(view_->height() * ratio));
}

QImage PreviewWindow::RenderPicture(const QSize& size) {
  return view_->RenderPicture(size.width(), size.height());
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  // When the program ends, the GL state goes before the context does.
  if (session_.closing()) view_->KillGL();
  ToolWindow::closeEvent(event);
}

}  // namespace kurvex
