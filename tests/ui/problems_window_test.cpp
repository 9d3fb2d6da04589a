// The Problems window driven as a user drives it: the list follows the course step by step,
// activating a problem goes to its point, F8 walks the list, and the window keeps its place.
#include "ui/problems_window.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

#include "course/new_course.h"
#include "preview/view_projection.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "started_editor.h"
#include "test_courses.h"
#include "ui/editor_session.h"
#include "ui/main_window.h"
#include "ui/problems_tool.h"

namespace kurvex::test {

class ProblemsWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Editor : StartedEditor {
    using StartedEditor::StartedEditor;
    ProblemsTool& tool() { return *window.findChild<ProblemsTool*>(); }
    ProblemsWindow& problems() { return tool().window(); }
    QString status() { return tool().status().text(); }
    CourseDocument& document() { return session.document(); }
    // "rule@point" of each row, in list order.
    QStringList Rows() {
      QStringList rows;
      QTreeWidget& list = problems().list();
      for (int g = 0; g < list.topLevelItemCount(); ++g) {
        for (int i = 0; i < list.topLevelItem(g)->childCount(); ++i) {
          const QTreeWidgetItem* row = list.topLevelItem(g)->child(i);
          rows << row->text(1) + "@" + row->text(0);
        }
      }
      return rows;
    }
    QTreeWidgetItem* Row(int n) {
      QTreeWidget& list = problems().list();
      for (int g = 0; g < list.topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = list.topLevelItem(g);
        if (n < group->childCount()) return group->child(n);
        n -= group->childCount();
      }
      return nullptr;
    }
  };

  // 21 widgets (the 17th at point 6, the 21st at 7), banking at 5, a coordinate at 9 and the
  // venue.
  static Course ProblemCourse() {
    Course course = RingCourse(12, 12000);
    RoundCoordinates(course, 10);
    SetTrackCode(course, 1, 0);
    for (int i = 1; i <= 7; ++i) course.Structure[i] = course.Gate[i] = course.Decoration[i] = 0;
    course.Banking[5] = 2;
    course.Points[9].X += 5;
    course.Venue = 10;
    return course;
  }

  QString Config() const { return QString::fromStdString(dir_->Path("config")); }
  std::unique_ptr<ScratchDir> dir_;

 private slots:
  void init() { dir_ = std::make_unique<ScratchDir>(); }

  void ListFollowsSettledStepsAndUndo() {
    Editor editor(Config());
    QVERIFY(editor.problems().isVisible());
    QVERIFY(editor.tool().window_action().isChecked());
    QCOMPARE(editor.Rows(), QStringList());
    QCOMPARE(editor.status(), QString("No problems"));

    editor.document().SelectPoint(3);
    // Typing into a box leaves the course unsettled: the list waits for the box to be left.
    editor.document().SetBanking(1, CourseDocument::Entry::kTyping);
    QCOMPARE(editor.Rows(), QStringList());
    editor.document().FinishTyping();
    QCOMPARE(editor.Rows(), QStringList({"ek-banking@3"}));
    QCOMPARE(editor.status(), QString("0 ROM problems, 1 EK problem"));
    QCOMPARE(editor.problems().list().topLevelItem(1)->text(0),
             QString("EK (Expansion Kit): 1 problem"));

    editor.window.action("mnuUndo")->trigger();
    QCOMPARE(editor.Rows(), QStringList());
    QCOMPARE(editor.status(), QString("No problems"));
    editor.window.action("mnuRedo")->trigger();
    QCOMPARE(editor.Rows(), QStringList({"ek-banking@3"}));
  }

  void ActivatingAProblemSelectsItsPointAndShowsIt() {
    Editor editor(Config());
    editor.document().Replace(ProblemCourse());
    QCOMPARE(editor.Rows(), QStringList({"rom-widgets@7", "ek-venue@course", "ek-banking@5",
                                         "ek-widgets@6", "ek-whole-units@9"}));
    QCOMPARE(editor.status(), QString("1 ROM problem, 4 EK problems"));
    // Far from point 9, so that bringing it into view moves the camera.
    CameraValues away = editor.session.camera().values();
    away.x = -40;
    away.z = -40;
    editor.session.RestoreCamera(away);

    QTreeWidget& list = editor.problems().list();
    const QRect row = list.visualItemRect(editor.Row(4));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(editor.document().current_point(), 9);
    const Vec3 nine = CtlPointPosition(editor.document().course(), 9);
    QCOMPARE(editor.session.camera().values().x, nine.x);
    QCOMPARE(editor.session.camera().values().z, nine.z);

    // Return on a row does the same; a course-wide row has no point to go to.
    list.setFocus();
    list.setCurrentItem(editor.Row(3));
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(editor.document().current_point(), 6);
    list.setCurrentItem(editor.Row(1));
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(editor.document().current_point(), 6);
  }

  void F8WalksTheProblemsAndWraps() {
    Editor editor(Config());
    editor.document().Replace(ProblemCourse());
    editor.tool().window_action().trigger();  // hidden
    QVERIFY(!editor.problems().isVisible());

    QApplication::setActiveWindow(&editor.window);  // there is no window manager here
    QTest::keyClick(&editor.window, Qt::Key_F8);
    QVERIFY(editor.problems().isVisible());
    QVERIFY(editor.tool().window_action().isChecked());
    QCOMPARE(editor.document().current_point(), 7);
    QCOMPARE(editor.problems().list().currentItem(), editor.Row(0));
    // The course-wide row is walked too; the point stays where it was.
    QTest::keyClick(&editor.window, Qt::Key_F8);
    QCOMPARE(editor.problems().list().currentItem(), editor.Row(1));
    QCOMPARE(editor.document().current_point(), 7);
    for (int expected : {5, 6, 9, 7}) {
      QTest::keyClick(&editor.window, Qt::Key_F8);
      QCOMPARE(editor.document().current_point(), expected);
    }
    QCOMPARE(editor.problems().list().currentItem(), editor.Row(0));  // wrapped
    QTest::keyClick(&editor.window, Qt::Key_F8, Qt::ShiftModifier);
    QCOMPARE(editor.problems().list().currentItem(), editor.Row(4));
    QCOMPARE(editor.document().current_point(), 9);
    // F8 works from a tool window as well as from the bar.
    QApplication::setActiveWindow(&editor.problems());
    QTest::keyClick(&editor.problems().list(), Qt::Key_F8, Qt::ShiftModifier);
    QCOMPARE(editor.document().current_point(), 6);
  }

  void KeepsItsPlaceBetweenRuns() {
    QPoint place;
    {
      Editor editor(Config());
      editor.problems().move(editor.problems().pos() + QPoint(-200, -100));
      editor.problems().resize(600, 300);
      place = editor.problems().pos();
      editor.tool().window_action().trigger();  // hidden
      editor.window.close();
    }
    {
      Editor editor(Config());
      QVERIFY(!editor.problems().isVisible());
      QVERIFY(!editor.tool().window_action().isChecked());
      editor.tool().window_action().trigger();
      QVERIFY(editor.problems().isVisible());
      QCOMPARE(editor.problems().pos(), place);
      QCOMPARE(editor.problems().size(), QSize(600, 300));
      // Minimising the bar hides it; restoring brings it back.
      editor.window.showMinimized();
      QTRY_VERIFY(!editor.problems().isVisible());
      QVERIFY(editor.tool().window_action().isChecked());
      editor.window.showNormal();
      QTRY_VERIFY(editor.problems().isVisible());
      editor.window.close();
    }
    Editor editor(Config());
    QVERIFY(editor.problems().isVisible());
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::ProblemsWindowTest)
#include "problems_window_test.moc"
