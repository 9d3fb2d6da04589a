#include "ui/preview_widget.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "preview/view_projection.h"

namespace kurvex {

namespace {

constexpr double kTurnDegreesPerPixel = 0.25;
constexpr double kMoveUnitsPerPixel = 0.02;  // preview units
constexpr double kWheelUnitsPerNotch = 0.5;
constexpr double kPickRadius = 8;  // pixels; the selection marker is 8 pixels wide
constexpr int kClickSlack = 3;     // pixels a click may wander before it is a drag
// Frames come no faster than this, so that a small scene does not keep a core busy.
constexpr int kMinFrameMilliseconds = 8;

}  // namespace

QSurfaceFormat PreviewWidget::SurfaceFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setAlphaBufferSize(8);
  format.setDepthBufferSize(24);
  return format;
}

PreviewWidget::PreviewWidget(EditorSession& session, QWidget* parent)
    : QOpenGLWidget(parent),
      session_(session),
      star_seed_(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch())) {
  setFormat(SurfaceFormat());
  setMinimumSize(160, 120);
  setMouseTracking(false);
  connect(&session_, &EditorSession::documentChanged, this, &PreviewWidget::OnDocumentChanged);
  connect(&session_, &EditorSession::graphicsChanged, this, &PreviewWidget::OnGraphicsChanged);
  connect(&session_, &EditorSession::texturesChanged, this,
          [this] { Need(Rebuild::kEverything); });
  connect(&session_, &EditorSession::reanimate, this, [this] { clock_.restart(); });
  connect(this, &QOpenGLWidget::frameSwapped, this, &PreviewWidget::ScheduleFrame);
}

PreviewWidget::~PreviewWidget() { KillGL(); }

void PreviewWidget::KillGL() {
  if (!gl_ready_) return;
  makeCurrent();
  scene_.KillGL();
  doneCurrent();
  gl_ready_ = false;
}

void PreviewWidget::SetStarSeed(uint32_t seed) {
  star_seed_ = seed;
  stars_pending_ = true;
  update();
}

void PreviewWidget::initializeGL() {
  const qreal ratio = devicePixelRatioF();
  gl_ready_ = scene_.InitGL(static_cast<int>(width() * ratio), static_cast<int>(height() * ratio),
                            session_.graphics(), session_.document().course().Sky);
  // Everything the lists refer to is made on this context: textures, models, then the course.
  pending_ = Rebuild::kEverything;
  stars_pending_ = true;
  clock_.start();
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &PreviewWidget::KillGL,
          Qt::UniqueConnection);
}

void PreviewWidget::resizeGL(int width, int height) {
  scene_.gl().Viewport(0, 0, width, height, kNearPlane, kFarPlane, kFieldOfView);
}

void PreviewWidget::Need(Rebuild rebuild) {
  pending_ = std::max(pending_, rebuild);
  update();
}

void PreviewWidget::OnDocumentChanged(const DocumentChange& change) {
  if (change.replaced) stars_pending_ = true;
  if (change.replaced || change.point_count || change.venue) {
    Need(Rebuild::kCourse);
  } else if (change.points.any()) {
    pending_points_ |= change.points;
    Need(Rebuild::kNear);
  } else if (change.options) {
    Need(Rebuild::kCourse);
  } else {
    update();
  }
}

void PreviewWidget::OnGraphicsChanged(GraphicsChange what) {
  switch (what) {
    case GraphicsChange::kFiltering:
      Need(Rebuild::kEverything);
      break;
    case GraphicsChange::kFeatureLists:
      Need(Rebuild::kFeatures);
      break;
    case GraphicsChange::kSegmentDistance:
      Need(Rebuild::kCourse);
      break;
    case GraphicsChange::kFrame:
      update();
      break;
  }
}

void PreviewWidget::ApplyRebuild() {
  const Course& course = session_.document().course();
  const GraphicsSettings& graphics = session_.graphics();
  switch (pending_) {
    case Rebuild::kNone:
      break;
    case Rebuild::kNear:
      scene_.RebuildNear(course, graphics, pending_points_);
      break;
    case Rebuild::kFeatures:
      scene_.RebuildFeatureLists(course, graphics);
      break;
    case Rebuild::kCourse:
      scene_.BuildCourse(course, graphics);
      break;
    case Rebuild::kEverything: {
      const qreal ratio = devicePixelRatioF();
      const TextureStore* store = session_.textures_loaded() ? &session_.textures() : nullptr;
      scene_.ResetGL(static_cast<int>(width() * ratio), static_cast<int>(height() * ratio),
                     graphics, &course, store);
      stars_pending_ = true;
      break;
    }
  }
  pending_ = Rebuild::kNone;
  pending_points_.reset();
  if (stars_pending_) {
    scene_.frame().GenStars(scene_.gl(), star_seed_);
    stars_pending_ = false;
  }
}

void PreviewWidget::paintGL() {
  if (!gl_ready_) return;
  ApplyRebuild();
  const qint64 elapsed = clock_.restart();
  const CourseDocument& document = session_.document();
  scene_.Tick(static_cast<int32_t>(std::min<qint64>(elapsed, 1000000)), document.course(),
              session_.camera().values(), session_.graphics(), session_.course_loaded(),
              document.current_point());
  ++frames_drawn_;
  emit frameDrawn();
}

void PreviewWidget::ScheduleFrame() {
  // The preview animates continuously while it is shown.
  const qint64 spent = clock_.elapsed();
  QTimer::singleShot(std::max<qint64>(0, kMinFrameMilliseconds - spent), this,
                     [this] { update(); });
}

int PreviewWidget::PointAt(const QPoint& position) const {
  return PickCtlPoint(session_.document().course(), session_.camera().values(), width(), height(),
                      position.x(), position.y(), kPickRadius);
}

void PreviewWidget::mousePressEvent(QMouseEvent* event) {
  press_position_ = last_position_ = event->position().toPoint();
  drag_button_ = event->button();
  dragged_ = false;
}

void PreviewWidget::mouseMoveEvent(QMouseEvent* event) {
  if (drag_button_ == Qt::NoButton) return;
  const QPoint position = event->position().toPoint();
  const QPoint delta = position - last_position_;
  last_position_ = position;
  if ((position - press_position_).manhattanLength() > kClickSlack) dragged_ = true;
  if (!dragged_) return;
  Camera& camera = session_.camera();
  const bool move = drag_button_ == Qt::RightButton ||
                    (drag_button_ == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
  if (move) {
    camera.MoveAlongView(-delta.x() * kMoveUnitsPerPixel, delta.y() * kMoveUnitsPerPixel, 0);
  } else if (drag_button_ == Qt::LeftButton) {
    // Dragging right turns the view right; dragging up tilts it up.
    camera.Turn(-delta.x() * kTurnDegreesPerPixel, -delta.y() * kTurnDegreesPerPixel);
  } else {
    return;
  }
  session_.CameraMoved(this);
  update();
}

void PreviewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != drag_button_) return;
  if (!dragged_ && drag_button_ == Qt::LeftButton) {
    const int point = PointAt(event->position().toPoint());
    if (point != 0) session_.document().SelectPoint(point);
  }
  drag_button_ = Qt::NoButton;
}

void PreviewWidget::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  session_.camera().MoveAlongView(0, 0, notches * kWheelUnitsPerNotch);
  session_.CameraMoved(this);
  update();
}

}  // namespace kurvex
