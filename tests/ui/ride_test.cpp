// View -> Ride Course driven as a user drives it: F6 puts the camera on the road and moves it
// along; Up and Down change the speed; Escape or F6 puts the camera back.
#include <QAction>
#include <QDialog>
#include <QtTest>

#include "preview/ride_camera.h"
#include "preview/view_projection.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "started_editor.h"
#include "ui/editor_session.h"
#include "ui/main_window.h"
#include "ui/ride_command.h"

namespace kurvex::test {

class RideTest : public QObject {
  Q_OBJECT

 private:
  struct Editor : StartedEditor {
    explicit Editor(const QString& config) : StartedEditor(config) {
      // The first run's notice, answered, so that the keys go to the editor.
      QCoreApplication::processEvents();
      for (QDialog* notice : window.findChildren<QDialog*>()) notice->accept();
      QApplication::setActiveWindow(&window);  // there is no window manager here
    }
    RideCommand& ride() { return *window.findChild<RideCommand*>(); }
    const CameraValues& camera() { return session.camera().values(); }
    void Key(Qt::Key key) { QTest::keyClick(&window, key); }
  };

  static bool SameCamera(const CameraValues& a, const CameraValues& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.azimuth == b.azimuth &&
           a.elevation == b.elevation && a.skew == b.skew && a.coord_speed == b.coord_speed;
  }

  QString Config() const { return QString::fromStdString(dir_->Path("config")); }
  std::unique_ptr<ScratchDir> dir_;

 private slots:
  void init() { dir_ = std::make_unique<ScratchDir>(); }

  void RidesAlongTheRoadAndEscapePutsTheCameraBack() {
    Editor editor(Config());
    const CameraValues before = editor.camera();
    editor.Key(Qt::Key_F6);
    QVERIFY(editor.ride().riding());
    QVERIFY(editor.window.action("mnuRideCourse")->isChecked());
    // On the road of the new course, at the driver's height, looking along it.
    const PreparedCourse& prepared = editor.session.document().prepared();
    const RidePose start = RidePoseAt(prepared, editor.ride().distance());
    QVERIFY(std::abs(editor.camera().y - start.eye.y) < 1e-9);
    QVERIFY(std::abs(start.eye.y - kRideHeight) < 1e-9);  // the new course lies at height 0
    QTRY_VERIFY(editor.ride().distance() > 1);
    const double moved_x = editor.camera().x, moved_z = editor.camera().z;
    QVERIFY(std::abs(moved_x - start.eye.x) + std::abs(moved_z - start.eye.z) > 0.5);

    editor.Key(Qt::Key_Up);
    QCOMPARE(editor.ride().speed_factor(), kRideSpeedStep);
    editor.Key(Qt::Key_Down);
    editor.Key(Qt::Key_Down);
    QCOMPARE(editor.ride().speed_factor(), 1 / kRideSpeedStep);

    editor.Key(Qt::Key_Escape);
    QVERIFY(!editor.ride().riding());
    QVERIFY(!editor.window.action("mnuRideCourse")->isChecked());
    QVERIFY(SameCamera(editor.camera(), before));
    QVERIFY(!editor.session.document().IsModified());
    // Up and Down are the boxes' own again.
    editor.Key(Qt::Key_Up);
    QCOMPARE(editor.ride().speed_factor(), 1 / kRideSpeedStep);
  }

  void F6AgainAndClosingPutTheCameraBack() {
    CameraValues before;
    {
      Editor editor(Config());
      before = editor.camera();
      editor.Key(Qt::Key_F6);
      QTRY_VERIFY(!SameCamera(editor.camera(), before));
      editor.Key(Qt::Key_F6);
      QVERIFY(!editor.ride().riding());
      QVERIFY(SameCamera(editor.camera(), before));
      editor.Key(Qt::Key_F6);
      QTRY_VERIFY(editor.ride().distance() > 0.1);
      editor.window.close();
      QVERIFY(SameCamera(editor.camera(), before));
    }
    // The camera kept for the next run is the one from before the ride.
    Editor editor(Config());
    QVERIFY(std::abs(editor.camera().y - before.y) < 1e-3);
    QVERIFY(std::abs(editor.camera().elevation - before.elevation) < 1e-3);
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::RideTest)
#include "ride_test.moc"
