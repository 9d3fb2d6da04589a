// The preview on real GL (a virtual X server with Mesa): it draws continuously, the mouse turns
// and moves the view, and a click picks the CTL point dot under the pointer, in the projection
// the frame itself uses.
#include <QtTest>
#include <stdexcept>
#include <utility>

#include "course/course_compare.h"
#include "preview/view_projection.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "test_courses.h"
#include "ui/command_runner.h"
#include "ui/editor_session.h"
#include "ui/export_commands.h"
#include "ui/preview_view.h"

namespace kurvex::test {

class PreviewTest : public QObject {
  Q_OBJECT

 private:
  struct Preview {
    Preview() : view(session, runner) {
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
    ScriptedDialogs dialogs;
    CommandRunner runner{session, dialogs, nullptr, "Preview"};
    PreviewView view;
  };

 private slots:
  void initTestCase() { QSurfaceFormat::setDefaultFormat(PreviewView::SurfaceFormat()); }

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
    QVERIFY2(
        colour.red() > 200 && colour.green() > 60 && colour.green() < 160 && colour.blue() < 80,
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
    preview.session.RestoreCamera(CameraValues());
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

  void AHeldDotDragsItsPointAsOneStep() {
    Preview preview;
    preview.WaitForFrames(1);
    CourseDocument& document = preview.session.document();
    const Course before = document.course();
    const QPoint dot = preview.ScreenOf(3);
    QTest::mouseMove(&preview.view, dot);
    QTRY_COMPARE(preview.view.hover_point(), 3);  // ringed before it is taken
    QTest::mousePress(&preview.view, Qt::LeftButton, {}, dot);
    QTest::mouseMove(&preview.view, dot + QPoint(20, 0));
    QTest::mouseMove(&preview.view, dot + QPoint(40, 10));
    QTest::mouseRelease(&preview.view, Qt::LeftButton, {}, dot + QPoint(40, 10));
    const Course& after = document.course();
    QCOMPARE(document.current_point(), 3);
    QVERIFY(after.Points[3].X > before.Points[3].X);  // right on the screen is +x from above
    QVERIFY(after.Points[3].Z > before.Points[3].Z);  // and down is +z
    QCOMPARE(after.Points[3].Y, before.Points[3].Y);
    for (int i : {1, 2, 4, 5, 6, 7, 8}) QCOMPARE(after.Points[i].X, before.Points[i].X);
    QCOMPARE(QString::fromStdString(document.UndoName()), QString("Move Point"));
    QVERIFY(document.Undo());
    QVERIFY(document.course().Points == before.Points);

    // Far beyond the extremes the point stops at them; with Shift it is lifted instead.
    QTest::mousePress(&preview.view, Qt::LeftButton, {}, dot);
    QTest::mouseMove(&preview.view, dot + QPoint(-600, 0));
    QTest::mouseRelease(&preview.view, Qt::LeftButton, {}, dot + QPoint(-600, 0));
    QCOMPARE(double(document.course().Points[3].X), document.extremes().min[kAxisX]);
    preview.session.RestoreCamera({0, 2, 20, 0, 350, 0});  // from the side, a little above
    const QPoint side = preview.ScreenOf(2);
    QTest::mousePress(&preview.view, Qt::LeftButton, Qt::ShiftModifier, side);
    QTest::mouseMove(&preview.view, side + QPoint(30, -40));
    QTest::mouseRelease(&preview.view, Qt::LeftButton, Qt::ShiftModifier, side + QPoint(30, -40));
    QVERIFY(document.course().Points[2].Y > 0);
    QCOMPARE(document.course().Points[2].X, before.Points[2].X);
  }

  void EscapePutsADraggedPointBack() {
    Preview preview;
    preview.WaitForFrames(1);
    CourseDocument& document = preview.session.document();
    const Course before = document.course();
    const QPoint dot = preview.ScreenOf(6);
    QTest::mousePress(&preview.view, Qt::LeftButton, {}, dot);
    QTest::mouseMove(&preview.view, dot + QPoint(30, 30));
    QVERIFY(document.course().Points[6].X != before.Points[6].X);  // the preview follows
    QTest::keyClick(&preview.view, Qt::Key_Escape);
    QTest::mouseMove(&preview.view, dot + QPoint(60, 30));
    QTest::mouseRelease(&preview.view, Qt::LeftButton, {}, dot + QPoint(60, 30));
    QVERIFY(document.course().Points == before.Points);
    QVERIFY(!document.CanUndo());
  }

  void ExportWritesAPictureOfTheChosenSize() {
    Preview preview;
    preview.WaitForFrames(1);
    const ScratchDir dir;
    ScriptedDialogs dialogs;
    PreviewView& view = preview.view;
    ExportCommands exports(
        preview.session, dialogs,
        {[&view] { return view.size(); },
         [&view](const QSize& size) { return view.RenderPicture(size.width(), size.height()); }},
        nullptr);
    dialogs.file_names = {QString::fromStdString(dir.Path("view"))};
    QVERIFY(exports.ExportImageOfSize(QSize(320, 200)));
    const QImage picture(QString::fromStdString(dir.Path("view.png")));
    QCOMPARE(picture.size(), QSize(320, 200));
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7) {
      for (int x = 0; x < picture.width(); x += 7) colours.insert(picture.pixel(x, y));
    }
    QVERIFY(colours.size() > 3);
    preview.WaitForFrames(2);  // and the preview goes on at its own size
  }

  void AFailingDragLeavesTheEditorRunningWithAMessage() {
    Preview preview;
    preview.WaitForFrames(1);
    CourseDocument& document = preview.session.document();
    const Course before = document.course();
    // A listener that fails once, as a broken part of the editor would.
    bool fail = true;
    const int listener = document.AddListener([&fail](const DocumentChange&) {
      if (std::exchange(fail, false)) throw std::runtime_error("a listener failed");
    });
    const QPoint dot = preview.ScreenOf(3);
    QTest::mousePress(&preview.view, Qt::LeftButton, {}, dot);
    QTest::mouseMove(&preview.view, dot + QPoint(40, 10));
    QTest::mouseRelease(&preview.view, Qt::LeftButton, {}, dot + QPoint(40, 10));
    QCOMPARE(preview.dialogs.MessageCaptions(), QStringList{"Preview"});
    QCOMPARE(preview.dialogs.messages.back().Text(), QString("An unknown error has occurred."));
    // The preview goes on: the next drag moves the point as one step.
    document.RemoveListener(listener);
    QTest::mousePress(&preview.view, Qt::LeftButton, {}, dot);
    QTest::mouseMove(&preview.view, dot + QPoint(40, 10));
    QTest::mouseRelease(&preview.view, Qt::LeftButton, {}, dot + QPoint(40, 10));
    QVERIFY(document.course().Points[3].X > before.Points[3].X);
    QCOMPARE(QString::fromStdString(document.UndoName()), QString("Move Point"));
    QCOMPARE(preview.dialogs.messages.size(), size_t(1));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::PreviewTest)
#include "preview_test.moc"
