// The main window driven as a user drives it: menus, file commands with their questions and
// messages, tool windows and the settings kept between runs.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QtTest>

#include "course/course_files.h"
#include "course/new_course.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "test_courses.h"
#include "ui/editor_session.h"
#include "ui/file_commands.h"
#include "ui/main_window.h"
#include "ui/tool_window.h"

namespace kurvex::test {

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Editor {
    explicit Editor(const QString& config) : window(session, dialogs, config) { window.Start(); }
    EditorSession session;
    ScriptedDialogs dialogs;
    MainWindow window;
    void Trigger(const char* action) { window.action(action)->trigger(); }
  };

  QString Path(const char* name) const { return QString::fromStdString(dir_->Path(name)); }
  std::unique_ptr<ScratchDir> dir_;

 private slots:
  void init() { dir_ = std::make_unique<ScratchDir>(); }

  void WindowMenuChecksFollowTheToolWindows() {
    Editor editor(Path("config"));
    QAction& camera = editor.window.window_action(kWindowCamera);
    QVERIFY(!camera.isChecked());
    camera.trigger();
    QVERIFY(editor.window.tool(kWindowCamera).isVisible());
    QVERIFY(camera.isChecked());
    editor.window.tool(kWindowCamera).close();  // closing only hides it
    QVERIFY(!editor.window.tool(kWindowCamera).isVisible());
    QVERIFY(!camera.isChecked());
  }

  void OpenThenSaveAsWritesTheSameBytes() {
    Course ring = RingCourse(7);
    ring.Name = "RING";
    const std::string source = dir_->Path("ring.kurv");
    QVERIFY(SaveKurvFile(source, ring).ok);
    Editor editor(Path("config"));
    editor.dialogs.file_names = {QString::fromStdString(source), Path("copy")};
    editor.Trigger("mnuOpen");
    QCOMPARE(editor.session.document().course().Name, std::string("RING"));
    QVERIFY(!editor.session.document().CanUndo());  // a fresh history
    editor.Trigger("mnuSaveAs");
    QVERIFY(editor.dialogs.messages.empty());
    QCOMPARE(FileBytes(dir_->Path("copy.kurv")), FileBytes(source));  // ".kurv" appended
    QVERIFY(editor.window.windowTitle().startsWith("copy.kurv[*] - Kurvex: F-Zero X"));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::MainWindowTest)
#include "main_window_test.moc"
