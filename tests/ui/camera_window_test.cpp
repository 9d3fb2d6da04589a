// The Camera window driven as a user drives it: direction buttons held or toggled with Hold,
// Relative moves, the value boxes with their rules and formats, and boxes that follow the
// camera when it moves elsewhere.
#include "ui/camera_window.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "course/number_text.h"
#include "scripted_dialogs.h"
#include "ui/camera_button.h"
#include "ui/editor_session.h"

namespace kurvex::test {

class CameraWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    Fixture() : window(session, dialogs, nullptr) { window.show(); }
    EditorSession session;
    ScriptedDialogs dialogs;
    CameraWindow window;

    const CameraValues& camera() { return session.camera().values(); }
    CameraButton* Button(const char* name) { return window.findChild<CameraButton*>(name); }
    QLineEdit* Box(const char* name) { return window.findChild<QLineEdit*>(name); }
    QCheckBox* Check(const char* name) { return window.findChild<QCheckBox*>(name); }
    void Type(const char* box, const QString& text) {
      Box(box)->selectAll();
      QTest::keyClicks(Box(box), text);
    }
    void Leave(const char* box) { QTest::keyClick(Box(box), Qt::Key_Return); }
    void Press(const char* name) { QTest::mousePress(Button(name), Qt::LeftButton); }
    void Release(const char* name) { QTest::mouseRelease(Button(name), Qt::LeftButton); }
    void Click(const char* name) {
      Press(name);
      Release(name);
    }
    // A mouse move with the left button held, to a point of the button.
    void DragTo(const char* name, QPoint point) {
      CameraButton* button = Button(name);
      QMouseEvent move(QEvent::MouseMove, point, button->mapToGlobal(point), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(button, &move);
    }
  };

 private slots:
  void HeldButtonMovesEveryTickUntilReleased() {
    Fixture f;
    f.Check("chkCoordRelative")->setChecked(false);
    f.Press("lblCoord0");  // Y +
    QVERIFY(f.window.engaged().coord[0]);
    QVERIFY(f.Button("lblCoord0")->down());
    auto* timer = f.window.findChild<QTimer*>("tmrMove");
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 10);
    f.window.Tick();
    f.window.Tick();
    QCOMPARE(f.camera().y, 20.2);
    QCOMPARE(f.Box("txtY")->text(), QString("20.200"));
    // Outside the square it shows released, but stays engaged and keeps moving.
    f.DragTo("lblCoord0", QPoint(-5, 3));
    QVERIFY(!f.Button("lblCoord0")->down());
    QVERIFY(f.window.engaged().coord[0]);
    f.DragTo("lblCoord0", QPoint(3, 3));
    QVERIFY(f.Button("lblCoord0")->down());
    f.Release("lblCoord0");
    QVERIFY(!f.window.engaged().coord[0]);
    QVERIFY(!f.Button("lblCoord0")->down());
    f.window.Tick();
    QCOMPARE(f.camera().y, 20.2);
    QVERIFY(!timer->isActive());
    // Held long enough, the camera stops at the edge of its reach.
    f.Press("lblCoord0");
    for (int i = 0; i < 400; ++i) f.window.Tick();
    QCOMPARE(f.camera().y, 50.0);
    QCOMPARE(f.Box("txtY")->text(), QString("50.000"));
  }

  void HoldKeepsAButtonEngagedUntilClickedAgainOrUnticked() {
    Fixture f;
    f.Check("chkAngRelative")->setChecked(false);
    f.Check("chkAngLock")->setChecked(true);
    QVERIFY(f.camera().ang_hold);
    f.Click("imgAng0");  // azimuth +
    QVERIFY(f.window.engaged().ang[0]);
    QVERIFY(f.Button("imgAng0")->down());
    // The window's own timer turns the camera meanwhile.
    QTRY_VERIFY(f.camera().azimuth >= 3);
    f.Click("imgAng0");
    QVERIFY(!f.window.engaged().ang[0]);
    QVERIFY(!f.Button("imgAng0")->down());
    // Both azimuth buttons engaged cancel out; unticking Hold releases the whole group.
    f.Click("imgAng0");
    f.Click("imgAng1");
    const double azimuth = f.camera().azimuth;
    f.window.Tick();
    QCOMPARE(f.camera().azimuth, azimuth);
    f.Check("chkAngLock")->setChecked(false);
    QVERIFY(!f.window.engaged().ang[0] && !f.window.engaged().ang[1]);
    QVERIFY(!f.Button("imgAng1")->down());
    QVERIFY(!f.camera().ang_hold);
  }

  void RelativeMovesAlongTheCamerasOwnAxes() {
    Fixture f;
    f.Type("txtAzim", "90");
    f.Type("txtElev", "0");
    QVERIFY(f.camera().coord_relative);  // the default
    f.Press("lblCoord4");                // Z +: forward, which looks along world X here
    f.window.Tick();
    f.Release("lblCoord4");
    QCOMPARE(f.camera().x, 0.1);
    QVERIFY(std::fabs(f.camera().z) < 1e-12);
    f.Check("chkCoordRelative")->setChecked(false);
    QVERIFY(!f.camera().coord_relative);
    f.Press("lblCoord4");
    f.window.Tick();
    f.Release("lblCoord4");
    QCOMPARE(f.camera().z, 0.1);
    // A relative turn from level: the elevation button raises only the elevation.
    f.Type("txtAzim", "0");
    f.Press("imgAng4");
    f.window.Tick();
    f.Release("imgAng4");
    QCOMPARE(f.Box("txtElev")->text(), QString("1.000"));
    QCOMPARE(f.Box("txtAzim")->text(), QString("0.000"));
  }

  void BoxesTakeNumbersByTheirRulesAndShowTheirFormats() {
    Fixture f;
    QCOMPARE(f.Box("txtElev")->text(), QString("270.000"));
    QCOMPARE(f.Box("txtCoordSpeed")->text(), QString("0.1"));
    QCOMPARE(f.Box("txtAngSpeed")->text(), QString("1.0"));
    f.Type("txtX", "-75");
    QCOMPARE(f.camera().x, -50.0);  // clamped at once...
    QCOMPARE(f.Box("txtX")->text(), QString("-75"));
    f.Leave("txtX");
    QCOMPARE(f.Box("txtX")->text(), QString("-50.000"));  // ...shown on leaving
    f.Type("txtSkew", "-30");
    QCOMPARE(f.camera().skew, 330.0);
    f.Type("txtAzim", "abc");  // no number reads as 0
    QCOMPARE(f.camera().azimuth, 0.0);
    f.Type("txtAngSpeed", "0.12345");
    f.Leave("txtAngSpeed");
    QCOMPARE(f.camera().ang_speed, 0.12345);
    QCOMPARE(f.Box("txtAngSpeed")->text(), QString("0.123"));
    // An emptied box leaves the value; the box shows it again on leaving.
    f.Box("txtY")->clear();
    QCOMPARE(f.camera().y, 20.0);
    f.Leave("txtY");
    QCOMPARE(f.Box("txtY")->text(), QString("20.000"));
    // An overflowing number is refused: pasted, the speed stays as it was; typed, the speed
    // takes the last number that fitted. The camera stays finite either way.
    f.Box("txtCoordSpeed")->selectAll();
    f.Box("txtCoordSpeed")->insert("1e999");
    QCOMPARE(f.camera().coord_speed, 0.1);
    f.Leave("txtCoordSpeed");
    QCOMPARE(f.Box("txtCoordSpeed")->text(), QString("0.1"));
    f.Type("txtElev", "-1e999");
    QVERIFY(std::isfinite(f.camera().elevation));
    f.Type("txtCoordSpeed", "1e999");
    QVERIFY(std::isfinite(f.camera().coord_speed));
    f.Check("chkCoordRelative")->setChecked(false);
    f.Press("lblCoord3");
    f.window.Tick();
    f.Release("lblCoord3");
    QCOMPARE(f.camera().x, 50.0);
    f.Leave("txtCoordSpeed");
    QCOMPARE(f.Box("txtCoordSpeed")->text(), QString::fromStdString(FormatDecimals(1e99, 1, 3)));
    // Elevation 359 and one step up gives 0, not 360.
    f.Check("chkAngRelative")->setChecked(false);
    f.Type("txtAngSpeed", "1");
    f.Type("txtElev", "359");
    f.Press("imgAng4");
    f.window.Tick();
    f.Release("imgAng4");
    QCOMPARE(f.camera().elevation, 0.0);
    QCOMPARE(f.Box("txtElev")->text(), QString("0.000"));
  }

  void BoxesFollowTheCameraWhereverItMoves() {
    Fixture f;
    QSignalSpy moved(&f.session, &EditorSession::cameraChanged);
    f.Type("txtZ", "7");
    QVERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(0).value<QObject*>(), static_cast<QObject*>(&f.window));
    // The preview's mouse, or the settings, move the camera: the boxes and options follow.
    f.session.MoveCamera([](Camera& camera) {
      CameraValues& values = camera.settings();
      values.x = 12.5;
      values.azimuth = 45.25;
      values.coord_hold = true;
      values.ang_relative = false;
      return true;
    });
    QCOMPARE(f.Box("txtX")->text(), QString("12.500"));
    QCOMPARE(f.Box("txtAzim")->text(), QString("45.250"));
    QVERIFY(f.Check("chkCoordLock")->isChecked());
    QVERIFY(!f.Check("chkAngRelative")->isChecked());
    // Hidden with a button held by the mouse: no mouse-up will come, so it is released.
    f.Check("chkCoordLock")->setChecked(false);
    f.Press("lblCoord0");
    f.window.hide();
    QVERIFY(!f.window.engaged().coord[0]);
  }

  void AFailingMoveLeavesTheEditorRunningWithAMessage() {
    Fixture f;
    // A view of the camera that fails once, as a broken part of the editor would.
    bool fail = true;
    QObject::connect(&f.session, &EditorSession::cameraChanged, &f.window, [&fail] {
      if (std::exchange(fail, false)) throw std::runtime_error("a view failed");
    });
    f.Type("txtX", "5");
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Camera"});
    QCOMPARE(f.dialogs.messages.back().Text(), QString("An unknown error has occurred."));
    f.Type("txtY", "7");
    QCOMPARE(f.camera().y, 7.0);
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
  }

  void ButtonsWorkFromTheKeyboard() {
    Fixture f;
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    CameraButton* up = f.Button("lblCoord0");
    QCOMPARE(up->accessibleName(), QString("Y + (up)"));
    // Tab reaches the buttons; Space holds one as the mouse does.
    up->setFocus(Qt::TabFocusReason);
    QVERIFY(up->hasFocus());
    QTest::keyPress(up, Qt::Key_Space);
    QVERIFY(f.window.engaged().coord[0]);
    QVERIFY(up->down());
    QTest::keyPress(up, Qt::Key_Space, Qt::NoModifier, -1);  // held, the key repeats
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(up, &repeat);
    QVERIFY(f.window.engaged().coord[0]);
    QTest::keyRelease(up, Qt::Key_Space);
    QVERIFY(!f.window.engaged().coord[0]);
    // With Hold, Space toggles the button.
    f.Check("chkAngLock")->setChecked(true);
    CameraButton* turn = f.Button("imgAng0");
    turn->setFocus(Qt::TabFocusReason);
    QTest::keyClick(turn, Qt::Key_Space);
    QVERIFY(f.window.engaged().ang[0]);
    QTest::keyClick(turn, Qt::Key_Space);
    QVERIFY(!f.window.engaged().ang[0]);
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::CameraWindowTest)
#include "camera_window_test.moc"
