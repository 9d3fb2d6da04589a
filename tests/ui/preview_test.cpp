// The preview on real GL (a virtual X server with Mesa): it draws continuously, the mouse turns
// and moves the view, and a click picks the CTL point dot under the pointer, in the projection
// the frame itself uses.
#include <QtTest>

#include "preview/view_projection.h"
#include "test_courses.h"
#include "ui/editor_session.h"
#include "ui/preview_widget.h"

namespace kurvex::test {

class PreviewTest : public QObject {
  Q_OBJECT

 private:
  struct Preview {
    Preview() : view(session) {
      session.document().Replace(RingCourse(8, 8000));
      session.SetCourseLoaded();
      view.resize(640, 480);
      view.show();
    }
    QPoint ScreenOf(int point) {
      ScreenPoint screen;
      const Course& course = session.document().course();
      ProjectToScreen(session.camera().values(), view.width(), view.height(),
                      CtlPointPosition(course, point), &screen);
      return QPoint(qRound(screen.x), qRound(screen.y));
    }
    void WaitForFrames(int frames) {
      const qint64 target = view.frames_drawn() + frames;
      QTRY_VERIFY_WITH_TIMEOUT(view.frames_drawn() >= target, 10000);
    }
    EditorSession session;
    PreviewWidget view;
  };

 private slots:
  void initTestCase() { QSurfaceFormat::setDefaultFormat(PreviewWidget::SurfaceFormat()); }

  void DrawsContinuously() {
    Preview preview;
    preview.WaitForFrames(5);  // no input at all, and frames keep coming
  }

  void AClickOnADotSelectsItsPoint() {
    Preview preview;
    preview.WaitForFrames(2);
    // The dot is drawn where the projection says: the CTL dots' orange is there.
    const QImage frame = preview.view.grabFramebuffer();
    const QPoint dot = preview.ScreenOf(5);
    const QColor colour = frame.pixelColor(dot);
    QVERIFY2(colour.red() > 200 && colour.green() > 60 && colour.green() < 160 &&
                 colour.blue() < 80,
             qPrintable(colour.name()));
    QTest::mouseClick(&preview.view, Qt::LeftButton, {}, dot + QPoint(3, -2));
    QCOMPARE(preview.session.document().current_point(), 5);
    // A click away from every dot keeps the selection.
    QTest::mouseClick(&preview.view, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(preview.session.document().current_point(), 5);
  }

  void DraggingTurnsAndMovesTheView() {
    Preview preview;
    preview.WaitForFrames(1);
    int moves = 0;
    connect(&preview.session, &EditorSession::cameraChanged, this, [&] { ++moves; });
    const CameraValues start = preview.session.camera().values();
    QTest::mousePress(&preview.view, Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseMove(&preview.view, QPoint(340, 200));
    QTest::mouseRelease(&preview.view, Qt::LeftButton, {}, QPoint(340, 200));
    const CameraValues turned = preview.session.camera().values();
    QCOMPARE(turned.azimuth, WrapDegrees(start.azimuth - 40 * 0.25));  // right turns right
    QCOMPARE(turned.x, start.x);
    QVERIFY(moves > 0);
    QCOMPARE(preview.session.document().current_point(), 1);  // a drag selects nothing

    // The right button moves the eye; the wheel moves it forward. Looking straight down,
    // forward is down.
    preview.session.camera().Restore(CameraValues());
    QTest::mousePress(&preview.view, Qt::RightButton, {}, QPoint(300, 200));
    QTest::mouseMove(&preview.view, QPoint(300, 260));
    QTest::mouseRelease(&preview.view, Qt::RightButton, {}, QPoint(300, 260));
    QVERIFY(preview.session.camera().values().z != 0);
    const double height = preview.session.camera().values().y;
    QWheelEvent wheel(QPointF(300, 200), preview.view.mapToGlobal(QPointF(300, 200)), QPoint(),
                      QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&preview.view, &wheel);
    QCOMPARE(preview.session.camera().values().y, height - 1.0);
  }

  void EditsReachTheFrame() {
    Preview preview;
    preview.WaitForFrames(2);
    const QPoint before = preview.ScreenOf(2);
    preview.session.document().SelectPoint(2);
    preview.session.document().SetCoordinate(kAxisX, 300);
    const QPoint after = preview.ScreenOf(2);
    QVERIFY(before != after);
    preview.WaitForFrames(2);
    const QColor colour = preview.view.grabFramebuffer().pixelColor(after);
    // The selection marker cycles through the hues; it is never the dark floor.
    QVERIFY2(colour.lightness() > 80, qPrintable(colour.name()));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::PreviewTest)
#include "preview_test.moc"
