#include "ui/preview_view.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QScreen>
#include <QSurfaceFormat>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "editing/course_problems.h"
#include "editing/drag_pads.h"
#include "editing/edit_result.h"
#include "preview/frame_motion.h"
#include "preview/problem_markers.h"
#include "preview/view_projection.h"
#include "ui/command_runner.h"

namespace kurvex {

namespace {

constexpr double kTurnDegreesPerPixel = 0.25;
constexpr double kMoveUnitsPerPixel = 0.02;  // preview units
constexpr double kWheelUnitsPerNotch = 0.5;
constexpr double kPickRadius = 8;  // pixels; the selection marker is 8 pixels wide
constexpr int kClickSlack = 3;     // pixels a click may wander before it is a drag
// Where the screen does not say its refresh rate.
constexpr double kDefaultRefreshRate = 60;
// While only the selection marker changes colour, five frames a second show it cycling: the
// rainbow still turns once a second, and the still editor stays near idle.
constexpr int kMarkerFrameMilliseconds = 200;

}  // namespace

QSurfaceFormat PreviewView::SurfaceFormat() {
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

bool PreviewView::OpenGLAvailable() {
  QOpenGLContext probe;
  probe.setFormat(SurfaceFormat());
  return probe.create();
}

PreviewView::PreviewView(EditorSession& session, CommandRunner& runner)
    : session_(session),
      runner_(runner),
      star_seed_(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch())) {
  setFormat(SurfaceFormat());
  setMinimumSize(QSize(160, 120));
  connect(&session_, &EditorSession::documentChanged, this, &PreviewView::OnDocumentChanged);
  connect(&session_, &EditorSession::graphicsChanged, this, &PreviewView::OnGraphicsChanged);
  connect(&session_, &EditorSession::texturesChanged, this, [this] { Need(Rebuild::kEverything); });
  connect(&session_, &EditorSession::reanimate, this, [this] {
    clock_.restart();
    RequestFrame();
  });
  connect(&session_, &EditorSession::cameraChanged, this, &PreviewView::RequestFrame);
  connect(&session_, &EditorSession::courseLoadedChanged, this, &PreviewView::RequestFrame);
  pacer_.setSingleShot(true);
  pacer_.setTimerType(Qt::PreciseTimer);
  connect(&pacer_, &QTimer::timeout, this, &PreviewView::OnPacer);
  pace_clock_.start();
  connect(this, &QOpenGLWindow::frameSwapped, this, &PreviewView::ScheduleFrame);
}

void PreviewView::RequestFrame() {
  // A hidden, minimised or covered preview draws nothing; showing it again draws a frame.
  if (!isExposed()) return;
  if (unpaced_) {
    update();
    return;
  }
  // No faster than the screen shows frames, however fast the changes come.
  AskForFrameAfter(FramePeriod());
}

void PreviewView::AskForFrameAfter(double interval) {
  const double now = static_cast<double>(pace_clock_.nsecsElapsed()) / 1e6;
  const double due = last_ask_ + interval;
  if (due <= now) {
    AskForFrame(now);
    return;
  }
  const int wait = static_cast<int>(std::ceil(due - now));
  if (pacer_.isActive() && pacer_.remainingTime() <= wait) return;
  pacer_due_ = due;
  pacer_.start(wait);
}

void PreviewView::OnPacer() {
  if (!isExposed()) return;
  // A timer that fires a little late does not push the later frames back: the frame counts from
  // when it was due, so frames start at the screen's rate, whatever Qt's own delay between the
  // asking and the drawing.
  const double now = static_cast<double>(pace_clock_.nsecsElapsed()) / 1e6;
  AskForFrame(now - pacer_due_ < FramePeriod() ? pacer_due_ : now);
}

void PreviewView::AskForFrame(double at) {
  last_ask_ = at;
  update();
}

PreviewView::~PreviewView() { KillGL(); }

void PreviewView::KillGL() {
  if (!gl_ready_) return;
  makeCurrent();
  scene_.KillGL();
  doneCurrent();
  gl_ready_ = false;
}

void PreviewView::initializeGL() {
  const qreal ratio = devicePixelRatio();
  gl_ready_ = scene_.InitGL(static_cast<int>(width() * ratio), static_cast<int>(height() * ratio),
                            session_.graphics(), session_.document().course().Sky);
  // Everything the lists refer to is made on this context: textures, models, then the course.
  pending_ = Rebuild::kEverything;
  stars_pending_ = true;
  clock_.start();
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &PreviewView::KillGL,
          Qt::UniqueConnection);
}

void PreviewView::resizeGL(int width, int height) {
  scene_.gl().Viewport(0, 0, width, height, kNearPlane, kFarPlane, kFieldOfView);
}

void PreviewView::Need(Rebuild rebuild) {
  pending_ = std::max(pending_, rebuild);
  RequestFrame();
}

void PreviewView::OnDocumentChanged(const DocumentChange& change) {
  if (change.replaced) stars_pending_ = true;
  // The problems' marks follow the course once a step has settled, as the Problems window does.
  if (change.settled && (change.replaced || change.course || change.options)) {
    const CourseDocument& document = session_.document();
    scene_.SetProblemMarks(MarksOf(CourseProblems(document.course(), document.prepared())));
  }
  if (change.replaced || change.point_count || change.venue) {
    Need(Rebuild::kCourse);
  } else if (change.points.any() && !change.settled) {
    // A drag or typing in progress: only the spans the moved point reshapes, every move.
    pending_points_ |= change.points;
    Need(Rebuild::kNear);
  } else if (change.points.any() || change.options) {
    Need(Rebuild::kCourse);
  } else {
    RequestFrame();
  }
}

void PreviewView::OnGraphicsChanged(GraphicsChange what) {
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
      RequestFrame();
      break;
  }
}

void PreviewView::ApplyRebuild() {
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
      const qreal ratio = devicePixelRatio();
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

void PreviewView::paintGL() {
  if (!gl_ready_) return;
  ApplyRebuild();
  const qint64 elapsed = clock_.restart();
  const CourseDocument& document = session_.document();
  scene_.Tick(static_cast<int32_t>(std::min<qint64>(elapsed, 1000000)), document.course(),
              session_.camera().values(), session_.graphics(), session_.course_loaded(),
              document.current_point(), hover_point_);
  ++frames_drawn_;
  emit frameDrawn();
}

double PreviewView::FramePeriod() const {
  const double rate = screen() != nullptr && screen()->refreshRate() > 1 ? screen()->refreshRate()
                                                                         : kDefaultRefreshRate;
  return 1000 / rate;
}

void PreviewView::ScheduleFrame() {
  // The next frame comes when the picture can have changed: at the screen's pace while
  // something animates, now and then for the marker's colour, else only after a change.
  if (unpaced_) {
    RequestFrame();
    return;
  }
  const FrameMotion motion =
      MotionOf(session_.document().course(), session_.graphics(), session_.course_loaded());
  if (motion == FrameMotion::kStill || !isExposed()) {
    pacer_.stop();
    return;
  }
  AskForFrameAfter(motion == FrameMotion::kAnimated ? FramePeriod() : kMarkerFrameMilliseconds);
}

int PreviewView::PointAt(const QPoint& position) const {
  return PickCtlPoint(session_.document().course(), session_.camera().values(), width(), height(),
                      position.x(), position.y(), kPickRadius);
}

void PreviewView::SetHover(int point) {
  if (point == hover_point_) return;
  hover_point_ = point;
  setCursor(point != 0 ? Qt::OpenHandCursor : Qt::ArrowCursor);
  RequestFrame();
}

void PreviewView::mousePressEvent(QMouseEvent* event) {
  press_position_ = last_position_ = event->position().toPoint();
  drag_button_ = event->button();
  pressed_with_shift_ = event->modifiers() & Qt::ShiftModifier;
  dragged_ = false;
  requestActivate();  // for Escape during a drag
  if (drag_button_ != Qt::LeftButton) return;
  const int point = PointAt(press_position_);
  if (point == 0) return;
  // Pressing on a dot takes hold of its point: it becomes the current point, and a drag moves
  // it as one step.
  runner_.Step([&] {
    CourseDocument& document = session_.document();
    document.SelectPoint(point);
    document.BeginGesture("Move Point");
    return int16_t{kEditOk};
  });
  dragged_point_ = point;
  setCursor(Qt::ClosedHandCursor);
}

void PreviewView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  if (drag_button_ == Qt::NoButton) {
    SetHover(PointAt(position));
    return;
  }
  const QPoint previous = last_position_;
  last_position_ = position;
  if ((position - press_position_).manhattanLength() > kClickSlack) dragged_ = true;
  if (!dragged_) return;
  // Shift held when the drag began, or pressed during it.
  const bool shift = pressed_with_shift_ || (event->modifiers() & Qt::ShiftModifier);
  runner_.Step([&] {
    if (dragged_point_ != 0) {
      DragPoint(previous, position, shift);
    } else {
      MoveView(position - previous, drag_button_ == Qt::RightButton || shift);
    }
    return int16_t{kEditOk};
  });
}

void PreviewView::MoveView(const QPoint& delta, bool sideways) {
  if (!sideways && drag_button_ != Qt::LeftButton) return;
  session_.MoveCamera(
      [&](Camera& camera) {
        if (sideways) {
          camera.MoveAlongView(-delta.x() * kMoveUnitsPerPixel, delta.y() * kMoveUnitsPerPixel, 0);
        } else {
          // Dragging right turns the view right; dragging up tilts it up.
          camera.Turn(-delta.x() * kTurnDegreesPerPixel, -delta.y() * kTurnDegreesPerPixel);
        }
        return true;
      },
      this);
  RequestFrame();
}

void PreviewView::DragPoint(const QPoint& from_pixel, const QPoint& to_pixel, bool vertically) {
  CourseDocument& document = session_.document();
  if (!document.InGesture()) return;
  const CameraValues& camera = session_.camera().values();
  const Vec3 at = CtlPointPosition(document.course(), dragged_point_);
  // The point follows the pointer in a plane through it: level, or upright facing the eye.
  const Vec3 normal = vertically ? UprightPlaneNormal(camera) : LevelPlaneNormal();
  Vec3 from, to;
  if (!IntersectPlane(PixelRay(camera, width(), height(), from_pixel.x(), from_pixel.y()), at,
                      normal, &from) ||
      !IntersectPlane(PixelRay(camera, width(), height(), to_pixel.x(), to_pixel.y()), at, normal,
                      &to)) {
    return;
  }
  const Vec3 step = to - from;
  const Extremes& extremes = document.extremes();
  document.UpdateGesture([&](Course& course, int& current) {
    ApplyPreviewDrag(course, current, step, vertically, extremes);
    return int16_t{kEditOk};
  });
}

void PreviewView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != drag_button_) return;
  const int clicked_point = PointAt(event->position().toPoint());
  const bool clicked = !dragged_ && drag_button_ == Qt::LeftButton;
  const bool held = dragged_point_ != 0;
  dragged_point_ = 0;
  drag_button_ = Qt::NoButton;
  runner_.Run([&] {
    if (held) {
      session_.document().EndGesture();
    } else if (clicked && clicked_point != 0) {
      session_.document().SelectPoint(clicked_point);
    }
  });
  SetHover(PointAt(event->position().toPoint()));
}

void PreviewView::keyPressEvent(QKeyEvent* event) {
  // Escape puts a dragged point back where it was.
  if (event->key() == Qt::Key_Escape && dragged_point_ != 0) {
    runner_.Run([this] { session_.document().CancelGesture(); });
    dragged_point_ = 0;
    drag_button_ = Qt::NoButton;
    setCursor(Qt::ArrowCursor);
    return;
  }
  QOpenGLWindow::keyPressEvent(event);
}

bool PreviewView::event(QEvent* event) {
  if (event->type() == QEvent::Leave && drag_button_ == Qt::NoButton) SetHover(0);
  return QOpenGLWindow::event(event);
}

void PreviewView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  runner_.Step([&] {
    session_.MoveCamera(
        [&](Camera& camera) {
          camera.MoveAlongView(0, 0, notches * kWheelUnitsPerNotch);
          return true;
        },
        this);
    return int16_t{kEditOk};
  });
  RequestFrame();
}

QImage PreviewView::RenderPicture(int width, int height) {
  if (!gl_ready_ || width <= 0 || height <= 0) return {};
  makeCurrent();
  ApplyRebuild();
  QOpenGLFramebufferObjectFormat format;
  format.setAttachment(QOpenGLFramebufferObject::Depth);
  QOpenGLFramebufferObject target(width, height, format);
  QImage picture;
  if (target.isValid() && target.bind()) {
    scene_.gl().Viewport(0, 0, width, height, kNearPlane, kFarPlane, kFieldOfView);
    const CourseDocument& document = session_.document();
    scene_.DrawFrame(document.course(), session_.camera().values(), session_.graphics(),
                     session_.course_loaded(), document.current_point());
    picture = target.toImage(false);
    target.release();
  }
  const qreal ratio = devicePixelRatio();
  resizeGL(static_cast<int>(this->width() * ratio), static_cast<int>(this->height() * ratio));
  doneCurrent();
  return picture;
}

}  // namespace kurvex
