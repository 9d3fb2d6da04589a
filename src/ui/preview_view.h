#pragma once
// The 3D preview: a GL window that hands its context to the preview scene and draws the
// course: at the screen's refresh rate while something in it animates, otherwise only when
// something changed, and never while it cannot be seen. It is a window of its own (the Preview tool
// window embeds it) rather than a GL widget: a widget's frame is composed into its window once more
// on every frame, which on a software renderer costs more than drawing the course. The document,
// the camera and the graphics settings come from the session; changes mark what must be rebuilt,
// and the next frame rebuilds it with the context current. The mouse turns and moves the view,
// picks CTL points and drags them.

#include <QElapsedTimer>
#include <QOpenGLWindow>
#include <QPoint>
#include <QTimer>
#include <bitset>

#include "editing/document_change.h"
#include "geometry/vec3.h"
#include "preview/preview_scene.h"
#include "ui/editor_session.h"

namespace kurvex {

class CommandRunner;

class PreviewView : public QOpenGLWindow {
  Q_OBJECT

 public:
  // The mouse's commands run through `runner`.
  PreviewView(EditorSession& session, CommandRunner& runner);
  ~PreviewView() override;

  // The surface every preview needs: a compatibility profile (display lists, immediate mode),
  // double-buffered RGBA with a depth buffer. Set as the default before the application starts.
  static QSurfaceFormat SurfaceFormat();
  // Whether this display can give the preview an OpenGL context at all (the offscreen platform
  // and some remote displays cannot).
  static bool OpenGLAvailable();

  // Frees every list and texture; called before the program ends.
  void KillGL();
  // Frames drawn so far, for measuring.
  qint64 frames_drawn() const { return frames_drawn_; }
  // For measuring what the preview can draw: every frame at once after the last, whatever
  // the screen's pace and whether anything moves.
  void SetUnpaced(bool unpaced) {
    unpaced_ = unpaced;
    RequestFrame();
  }
  // The current view drawn at another size, through the frame's own drawing; a null image
  // when there is no GL.
  QImage RenderPicture(int width, int height);
  // The CTL point whose dot is under the pointer, ringed in the frame; 0 for none.
  int hover_point() const { return hover_point_; }

 signals:
  void frameDrawn();

 protected:
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  enum class Rebuild { kNone, kNear, kFeatures, kCourse, kEverything };

  void OnDocumentChanged(const DocumentChange& change);
  void OnGraphicsChanged(GraphicsChange what);
  void Need(Rebuild rebuild);
  void ApplyRebuild();
  // A frame soon, if the preview can be seen.
  void RequestFrame();
  void ScheduleFrame();
  // Asks for a frame once `interval` ms have passed since the last one was asked for.
  void AskForFrameAfter(double interval);
  void OnPacer();
  void AskForFrame(double at);
  double FramePeriod() const;  // ms
  int PointAt(const QPoint& position) const;
  void SetHover(int point);
  void MoveView(const QPoint& delta, bool sideways);
  // Moves the held point as far as the pointer moved, in the plane the drag moves it in.
  void DragPoint(const QPoint& from, const QPoint& to, bool vertically);

  EditorSession& session_;
  CommandRunner& runner_;
  PreviewScene scene_;
  bool gl_ready_ = false;
  Rebuild pending_ = Rebuild::kNone;
  std::bitset<kMaxPoints + 2> pending_points_;
  uint32_t star_seed_;
  bool stars_pending_ = true;
  QElapsedTimer clock_;
  QTimer pacer_;
  QElapsedTimer pace_clock_;  // the times below count from it, in ms
  double last_ask_ = -1e9;     // when the last frame was asked for
  double pacer_due_ = 0;       // when the pacer's frame is due
  bool unpaced_ = false;
  qint64 frames_drawn_ = 0;

  // Mouse navigation.
  QPoint press_position_;
  QPoint last_position_;
  Qt::MouseButton drag_button_ = Qt::NoButton;
  bool dragged_ = false;
  bool pressed_with_shift_ = false;
  int hover_point_ = 0;
  int dragged_point_ = 0;  // the point held with the mouse, 0 for none
};

}  // namespace kurvex
