// The Element Properties window driven as a user drives it: lists, typed numbers, drag pads,
// point commands and the whole-course operations, with their messages and undo steps.
#include "ui/element_properties_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <cmath>
#include <vector>

#include "course/course_compare.h"
#include "course/track_type.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "test_courses.h"
#include "ui/drag_pad_widget.h"
#include "ui/editor_session.h"
#include "ui/main_window.h"

namespace kurvex::test {

namespace {

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

// An eight-point ring whose point 3 has a value in every control.
Course DressedRing() {
  Course course = RingCourse(8);
  CtlPoint& p = course.Points[3];
  p.X = 12345;
  p.Y = 678;
  p.LeftWidth = 305;
  p.RightWidth = 1950;
  course.Banking[3] = 45;
  SetTrackCode(course, 3, TrackCodeFor(kPipe, 2));
  SetType(course, 2, kPipe);
  course.Decoration[3] = 3;
  course.Gate[3] = 1;
  course.Structure[3] = 2 * 3 + 1;  // Pyramid, left only
  course.PitArea[3] = 1;
  course.DartZone[3] = 2;
  course.SlipZone[3] = 3;
  course.DashPlate[3] = 1;
  course.JumpPlate[3] = 0;
  course.TrapField[3] = 2;
  return course;
}

}  // namespace

class ElementPropertiesWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Editor {
    explicit Editor(const Course& course) {
      session.document().Replace(course);
      QObject::connect(&session, &EditorSession::documentChanged,
                       [this](const DocumentChange& change) { changes.push_back(change); });
      window.show();
    }
    template <typename T>
    T* Get(const char* name) {
      T* widget = window.findChild<T*>(QString::fromUtf8(name));
      if (!widget) qFatal("no control %s", name);
      return widget;
    }
    QLineEdit* Box(const char* name) { return Get<QLineEdit>(name); }
    QComboBox* List(const char* name) { return Get<QComboBox>(name); }
    void Click(const char* button) { QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton); }
    // Replaces the box's text by typing, key by key.
    void Type(const char* name, const QString& text) {
      Box(name)->selectAll();
      QTest::keyClicks(Box(name), text);
    }
    const Course& course() const { return session.document().course(); }
    const CtlPoint& point(int i) const { return course().Points[i]; }

    EditorSession session;
    ScriptedDialogs dialogs;
    ElementPropertiesWindow window{session, dialogs, nullptr};
    std::vector<DocumentChange> changes;
  };

 private slots:
  void SelectingAPointFillsEveryControl() {
    Editor editor(DressedRing());
    editor.List("cmbCurSegment")->setCurrentIndex(2);
    QCOMPARE(editor.session.document().current_point(), 3);
    QCOMPARE(editor.List("cmbCurPoint")->currentIndex(), 2);
    QCOMPARE(editor.List("cmbCurPoint")->count(), 8);
    QCOMPARE(editor.Box("txtX")->text(), QString("1234.500"));
    QCOMPARE(editor.Box("txtY")->text(), QString("67.800"));
    QCOMPARE(editor.Box("txtZ")->text(), QString("500.000"));
    QCOMPARE(editor.Box("txtLeft")->text(), QString("30.5"));
    QCOMPARE(editor.Box("txtRight")->text(), QString("195.0"));
    QCOMPARE(editor.Box("txtBank")->text(), QString("45"));
    QCOMPARE(editor.List("cmbDecoration")->currentText(), QString("Spinning Billboard"));
    QCOMPARE(editor.List("cmbGate")->currentText(), QString("Lap Marker"));
    QCOMPARE(editor.List("cmbStrucType")->currentText(), QString("Pyramid"));
    QVERIFY(editor.Get<QCheckBox>("chkStrucLeft")->isChecked());
    QVERIFY(!editor.Get<QCheckBox>("chkStrucRight")->isChecked());
    QCOMPARE(editor.List("cmbTrackType")->currentText(), QString("Pipe"));
    QCOMPARE(editor.List("cmbTexture")->currentText(), QString("White Pipe"));
    QCOMPARE(editor.List("cmbPit")->currentText(), QString("Left side"));
    QCOMPARE(editor.List("cmbDart")->currentText(), QString("Right side"));
    QCOMPARE(editor.List("cmbSlip")->currentText(), QString("Center"));
    QCOMPARE(editor.List("cmbDash")->currentText(), QString("Right Side"));  // Pipe's names
    QCOMPARE(editor.List("cmbJump")->currentText(), QString("Full-Width"));
    QCOMPARE(editor.List("cmbTrap")->currentText(), QString("Right Side"));
    const double length = editor.session.document().prepared().SegmentLength[3] * 100;
    QVERIFY(length > 0);
    QCOMPARE(editor.Get<QLabel>("lblLength")->text(), QString::number(length, 'f', 3));

    // A point without features empties them again.
    editor.List("cmbCurPoint")->setCurrentIndex(4);
    QCOMPARE(editor.List("cmbCurSegment")->currentIndex(), 4);
    QCOMPARE(editor.List("cmbStrucType")->currentIndex(), 0);
    QVERIFY(!editor.Get<QCheckBox>("chkStrucLeft")->isChecked());
    QCOMPARE(editor.List("cmbTexture")->currentText(), QString("Venue Texture 1A"));
    QCOMPARE(editor.List("cmbDash")->currentText(), QString("(None)"));
    QCOMPARE(Items(editor.List("cmbDash")).at(1), QString("Center"));
  }

  void TypedNumbersAreStoredClampedAndSettleOnLeaving() {
    Editor editor(RingCourse(8));
    editor.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor.window));
    CourseDocument& document = editor.session.document();
    const float x = editor.point(1).X;
    editor.Box("txtX")->setFocus();
    editor.Type("txtX", "123.4");
    QCOMPARE(editor.point(1).X, 1234.0f);  // written at each keystroke, × 10
    QVERIFY(!editor.changes.back().settled);
    QVERIFY(document.InGesture());
    QCOMPARE(editor.Box("txtX")->text(), QString("123.4"));  // not rewritten while typing
    editor.Type("txtX", "2000");
    QCOMPARE(editor.point(1).X, 15000.0f);  // clamped to the extremes
    editor.Box("txtY")->setFocus();         // leaving settles it
    QVERIFY(!document.InGesture());
    QVERIFY(editor.changes.back().settled);
    QCOMPARE(editor.Box("txtX")->text(), QString("1500.000"));
    QCOMPARE(QString::fromStdString(document.UndoName()), QString("Move Point"));
    QVERIFY(document.Undo());  // the keystrokes of one visit are one step
    QCOMPARE(editor.point(1).X, x);
    QCOMPARE(editor.Box("txtX")->text(), QString("500.000"));
    QVERIFY(!document.CanUndo());

    // Widths are rounded and held to 5.0 .. 195.0, banking brought into 0..359; Enter settles.
    editor.Type("txtLeft", "3.14");
    QCOMPARE(editor.point(1).LeftWidth, 50);
    editor.Type("txtBank", "-30");
    QTest::keyClick(editor.Box("txtBank"), Qt::Key_Return);
    QCOMPARE(editor.course().Banking[1], 330);
    QCOMPARE(editor.Box("txtBank")->text(), QString("330"));

    // A number beyond the double range (pasted) is refused: the box shows the stored value.
    editor.Box("txtRight")->selectAll();
    editor.Box("txtRight")->insert("1e999");
    QCOMPARE(editor.point(1).RightWidth, 260);
    QCOMPARE(editor.Box("txtRight")->text(), QString("26.0"));
    // An empty box writes nothing.
    editor.Box("txtX")->selectAll();
    QTest::keyClick(editor.Box("txtX"), Qt::Key_Backspace);
    QCOMPARE(editor.point(1).X, x);

    // The extremes take their number when the box is left, within the hard limits.
    editor.Type("txtEZMin", "-2500");
    QTest::keyClick(editor.Box("txtEZMin"), Qt::Key_Return);
    QCOMPARE(document.extremes().min[kAxisZ], -20000.0);
    QCOMPARE(editor.Box("txtEZMin")->text(), QString("-2000.000"));
    // The options: shown "0.0##".
    editor.Type("txtAddOff", "95");
    QTest::keyClick(editor.Box("txtAddOff"), Qt::Key_Return);
    QCOMPARE(document.add_offset(), 0.9);
    QCOMPARE(editor.Box("txtAddOff")->text(), QString("90.0"));
  }

  void DragPadsChangeThePointLiveAndUndoInOneStep() {
    Editor editor(RingCourse(8));
    editor.session.document().SelectPoint(2);
    DragPadWidget* pad = editor.Get<DragPadWidget>("picLeft");
    editor.changes.clear();
    QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(60, 20));
    QVERIFY(editor.session.document().Dragging());
    QTest::mouseMove(pad, QPoint(40, 20));  // 20 to the left, drag speed 1.0
    QCOMPARE(editor.point(2).LeftWidth, 260 + 200);
    QCOMPARE(editor.Box("txtLeft")->text(), QString("46.0"));
    // The preview hears of the changed point while the drag lasts.
    QVERIFY(!editor.changes.empty());
    QVERIFY(!editor.changes.back().settled);
    QVERIFY(editor.changes.back().points[2]);
    QTest::mouseMove(pad, QPoint(200, 20));  // far right: held to the least width
    QCOMPARE(editor.point(2).LeftWidth, 50);
    QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(200, 20));
    QVERIFY(!editor.session.document().Dragging());
    QVERIFY(editor.changes.back().settled);
    QVERIFY(editor.session.document().Undo());
    QCOMPARE(editor.point(2).LeftWidth, 260);
    QCOMPARE(editor.Box("txtLeft")->text(), QString("26.0"));
    QVERIFY(!editor.session.document().CanUndo());

    // A slow drag speed still moves a width one stored unit per pixel; moving right and down
    // on the position pad increases X and Z.
    editor.Type("txtDragSpeed", "0.05");
    QTest::keyClick(editor.Box("txtDragSpeed"), Qt::Key_Return);
    QCOMPARE(editor.Box("txtDragSpeed")->text(), QString("0.05"));
    DragPadWidget* right = editor.Get<DragPadWidget>("picRight");
    QTest::mousePress(right, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(right, QPoint(17, 10));
    QTest::mouseRelease(right, Qt::LeftButton, {}, QPoint(17, 10));
    QCOMPARE(editor.point(2).RightWidth, 267);
    const CtlPoint before = editor.point(2);
    DragPadWidget* xz = editor.Get<DragPadWidget>("picXZ");
    QTest::mousePress(xz, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(xz, QPoint(30, 50));
    QTest::mouseRelease(xz, Qt::LeftButton, {}, QPoint(30, 50));
    QCOMPARE(editor.point(2).X, before.X + 0.5f * 20);
    QCOMPARE(editor.point(2).Z, before.Z + 0.5f * 40);
  }

  void AddingAndDeletingPointsFollowTheLimits() {
    Editor editor(RingCourse(63));
    editor.session.document().SelectPoint(63);
    editor.Click("cmdAdd");
    QCOMPARE(int(editor.course().PointCount), 64);
    QCOMPARE(editor.session.document().current_point(), 64);  // the new last point
    QCOMPARE(editor.List("cmbCurPoint")->count(), 64);
    QCOMPARE(editor.List("cmbLTo")->count(), 64);
    QCOMPARE(editor.List("cmbCurSegment")->currentIndex(), 63);
    QVERIFY(!editor.Get<QPushButton>("cmdAdd")->isEnabled());
    QVERIFY(!editor.Get<QPushButton>("cmdAddB")->isEnabled());
    QCOMPARE(QString::fromStdString(editor.session.document().UndoName()), QString("Add Point"));

    Editor small(RingCourse(5));
    small.Click("cmdDelete");
    QCOMPARE(int(small.course().PointCount), 4);
    QCOMPARE(small.List("cmbCurPoint")->count(), 4);
    QVERIFY(!small.Get<QPushButton>("cmdDelete")->isEnabled());
    QVERIFY(!small.Get<QPushButton>("cmdDeleteB")->isEnabled());
    QVERIFY(small.Get<QPushButton>("cmdAddB")->isEnabled());
    small.session.document().Undo();
    QVERIFY(small.Get<QPushButton>("cmdDeleteB")->isEnabled());

    // Deleting a point between a Pipe and a Half Pipe is refused with its message.
    Course mixed = RingCourse(6);
    SetType(mixed, 2, kPipe);
    SetType(mixed, 4, kHalfPipe);
    Editor refused(mixed);
    refused.session.document().SelectPoint(3);
    refused.Click("cmdDeleteB");
    QCOMPARE(int(refused.course().PointCount), 6);
    QCOMPARE(refused.dialogs.MessageCaptions(), QStringList{"Delete Control Point"});
    QCOMPARE(refused.dialogs.messages[0].icon, MessageIcon::kExclamation);
    QCOMPARE(refused.dialogs.messages[0].Text(),
             QString("Only Normal, No Track or same-type\ntrack segments can be connected.\n"
                     "Deleting this control point will cause\na mismatch."));
  }

  void TrackTypeChangesRefreshTheListsOrAreRefused() {
    Course course = RingCourse(8);
    SetType(course, 4, kPipe);
    Editor editor(course);
    editor.session.document().SelectPoint(2);
    QComboBox* type = editor.List("cmbTrackType");
    type->setCurrentIndex(kCylinder);
    QCOMPARE(TrackTypeOfCode(editor.point(2).TrackCode), int(kCylinder));
    QCOMPARE(Items(editor.List("cmbDash")), QStringList({"(None)", "Top", "Bottom", "Left Side"}));
    QCOMPARE(editor.List("cmbTexture")->count(), 4);
    QCOMPARE(editor.List("cmbTexture")->currentText(), QString("Faded Cylinder"));
    type->setCurrentIndex(kPipe);
    QCOMPARE(Items(editor.List("cmbDash")), QStringList({"(None)", "Bottom", "Right Side", "Top"}));
    editor.List("cmbTexture")->setCurrentIndex(3);
    QCOMPARE(editor.point(2).TrackCode, TrackCodeFor(kPipe, 3));
    type->setCurrentIndex(kNormal);
    QCOMPARE(Items(editor.List("cmbDash")),
             QStringList({"(None)", "Center", "Left Side", "Right Side"}));
    QCOMPARE(editor.List("cmbTexture")->count(), 9);  // Normal has no texture 1
    QVERIFY(editor.dialogs.messages.empty());

    // Tunnel beside the Pipe at point 4 is refused and the list shows the old type again.
    editor.session.document().SelectPoint(3);
    const Course before = editor.course();
    type->setCurrentIndex(kTunnel);
    QCOMPARE(editor.dialogs.MessageCaptions(), QStringList{"Change Track Type"});
    QCOMPARE(editor.dialogs.messages[0].Text(),
             QString("Only Normal, No Track or same-type\ntrack segments can be connected."));
    QCOMPARE(type->currentIndex(), int(kNormal));
    QVERIFY(editor.course() == before);
  }

  void FeatureListsKeepZonesAndStructuresConsistent() {
    Course course = RingCourse(8);
    course.PitArea[1] = 0;
    Editor editor(course);
    // A dart zone on the left moves the pit area to the right side.
    editor.List("cmbDart")->setCurrentIndex(2);
    QCOMPARE(int(editor.course().DartZone[1]), 1);
    QCOMPARE(int(editor.course().PitArea[1]), 2);
    QCOMPARE(editor.List("cmbPit")->currentText(), QString("Right side"));
    QCOMPARE(QString::fromStdString(editor.session.document().UndoName()),
             QString("Change Dart Zone"));
    // A structure needs a kind and a side: the kind alone stays shown until a side is ticked.
    editor.List("cmbStrucType")->setCurrentIndex(4);
    QCOMPARE(int(editor.course().Structure[1]), int(kNone));
    QCOMPARE(editor.List("cmbStrucType")->currentIndex(), 4);
    editor.Get<QCheckBox>("chkStrucRight")->setChecked(true);
    QCOMPARE(int(editor.course().Structure[1]), 3 * 3 + 2);
    editor.Get<QCheckBox>("chkStrucLeft")->setChecked(true);
    QCOMPARE(int(editor.course().Structure[1]), 3 * 3);
    editor.List("cmbGate")->setCurrentIndex(3);
    QCOMPARE(int(editor.course().Gate[1]), 2);
  }

  void WholeCourseOperationsChangeTheCourseAndReport() {
    Editor editor(RingCourse(8));
    // Line-Up from 1 to 4 puts points 2 and 3 on the straight line, equally spaced.
    editor.List("cmbLFrom")->setCurrentIndex(0);
    editor.List("cmbLTo")->setCurrentIndex(3);
    editor.Get<QCheckBox>("chkEquidistant")->setChecked(true);
    editor.Click("cmdAlign");
    const CtlPoint& p1 = editor.point(1);
    const CtlPoint& p4 = editor.point(4);
    QVERIFY(std::abs(editor.point(2).X - (p1.X + (p4.X - p1.X) / 3)) < 0.01);
    QVERIFY(std::abs(editor.point(3).Z - (p1.Z + (p4.Z - p1.Z) * 2 / 3)) < 0.01);
    QCOMPARE(QString::fromStdString(editor.session.document().UndoName()), QString("Line-Up"));

    // Scale: a factor of 0 only resets the box; 2 doubles every coordinate.
    const Course before = editor.course();
    editor.Type("txtSFactor", "0");
    editor.Click("cmdScale");
    QCOMPARE(editor.Box("txtSFactor")->text(), QString("1.0"));
    QVERIFY(editor.course() == before);
    editor.Type("txtSFactor", "2");
    editor.Click("cmdScale");
    QCOMPARE(editor.Box("txtSFactor")->text(), QString("2.0"));
    QCOMPARE(editor.point(1).X, 2 * before.Points[1].X);

    editor.Type("txtTY", "12.5");
    editor.Click("cmdTranslate");
    QCOMPARE(editor.point(5).Y, 125.0f);
    QCOMPARE(editor.Box("txtTY")->text(), QString("12.500"));
    QVERIFY(editor.dialogs.messages.empty());

    // EK Friendly reports what it cannot repair.
    Course close = RingCourse(8);
    close.Points[2].X = close.Points[1].X + 100;
    close.Points[2].Z = close.Points[1].Z;
    Editor ek(close);
    ek.Click("cmdEKFriendly");
    QCOMPARE(ek.dialogs.MessageCaptions(), QStringList{"Make EK Friendly"});
    QVERIFY(ek.dialogs.messages[0].Text().startsWith("There is 1 case where control points"));
    QCOMPARE(QString::fromStdString(ek.session.document().UndoName()), QString("EK Friendly"));

    // ROM Friendly keeps the first 20 dash plates.
    Course dashes = RingCourse(25);
    for (int i = 1; i <= 25; ++i) dashes.DashPlate[i] = 0;
    Editor rom(dashes);
    rom.Click("cmdROMFriendly");
    QCOMPARE(int(rom.course().DashPlate[20]), 0);
    QCOMPARE(int(rom.course().DashPlate[21]), int(kNone));
    QVERIFY(rom.dialogs.messages.empty());
  }

  void PageKeysStepThroughThePoints() {
    Editor editor(RingCourse(6));
    editor.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor.window));
    editor.List("cmbDecoration")->setFocus();
    QTest::keyClick(editor.List("cmbDecoration"), Qt::Key_PageDown);
    QCOMPARE(editor.session.document().current_point(), 2);
    QCOMPARE(editor.List("cmbDecoration")->currentIndex(), 0);  // the list did not take it
    QTest::keyClick(&editor.window, Qt::Key_PageUp);
    QTest::keyClick(&editor.window, Qt::Key_PageUp);
    QCOMPARE(editor.session.document().current_point(), 6);  // round the ring
    QCOMPARE(editor.List("cmbCurPoint")->currentIndex(), 5);
  }

  void UndoFromTheMainWindowRestoresTheWindow() {
    ScratchDir dir;
    EditorSession session;
    ScriptedDialogs dialogs;
    MainWindow main(session, dialogs, QString::fromStdString(dir.Path("config")),
                    QString::fromStdString(dir.Path("cache")));
    // Not started: the preview, which needs GL, stays hidden on this platform.
    session.document().Replace(RingCourse(8));
    auto* gate = main.tool(kWindowElement).findChild<QComboBox*>("cmbGate");
    gate->setCurrentIndex(2);
    QCOMPARE(int(session.document().course().Gate[1]), 1);
    QVERIFY(main.action("mnuUndo")->isEnabled());
    QCOMPARE(main.action("mnuUndo")->text(), QString("&Undo Change Gate"));
    main.action("mnuUndo")->trigger();
    QCOMPARE(int(session.document().course().Gate[1]), int(kNone));
    QCOMPARE(gate->currentIndex(), 0);
    main.action("mnuRedo")->trigger();
    QCOMPARE(gate->currentIndex(), 2);
  }

  void AccessKeysReachTheBoxesOfTheShownTab() {
    Editor editor(RingCourse(6));
    editor.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&editor.window));
    editor.List("cmbDecoration")->setFocus();
    QTest::keyClick(&editor.window, Qt::Key_Z, Qt::AltModifier);
    QVERIFY(editor.Box("txtZ")->hasFocus());
    QTest::keyClick(&editor.window, Qt::Key_R, Qt::AltModifier);
    QVERIFY(editor.Box("txtRight")->hasFocus());
    // The drag pads say what they do to a screen reader.
    QCOMPARE(editor.Get<DragPadWidget>("picBank")->accessibleName(), QString("Turn the banking"));
    // On the Segment tab the same key reaches that tab's list.
    editor.Get<QTabWidget>("tabs")->setCurrentIndex(1);
    QTest::keyClick(&editor.window, Qt::Key_T, Qt::AltModifier);
    QVERIFY(editor.List("cmbTrackType")->hasFocus());
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::ElementPropertiesWindowTest)
#include "element_properties_window_test.moc"
