// The recovery copy as the editor keeps it: written a moment after each settled step and not
// during a drag or typing, removed by Save and Discard, offered back at the next start as it
// was, never taken from an editor that still runs, and a damaged one refused once.
#include "ui/recovery_keeper.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>
#include <memory>

#include "course/game_text.h"
#include "course/kurv_file.h"
#include "course/new_course.h"
#include "course/recovery_file.h"
#include "editing/edit_result.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "test_courses.h"
#include "ui/editor_session.h"
#include "ui/file_commands.h"
#include "ui/recent_files.h"

namespace kurvex::test {

namespace {

std::vector<uint8_t> KurvOf(const Course& course) {
  std::vector<uint8_t> bytes;
  WriteCourseFile(course, bytes);
  return bytes;
}

}  // namespace

// One editor: its session, its keeper and its File commands.
struct Editor {
  Editor(ScriptedDialogs& dialogs, const QString& folder, const QString& settings)
      : ini(settings, QSettings::IniFormat),
        recent(ini),
        keeper(session, dialogs, folder, nullptr),
        files(session, dialogs, recent, nullptr) {
    keeper.SetDelays(40, 200);
  }
  EditorSession session;
  QSettings ini;
  RecentFiles recent;
  RecoveryKeeper keeper;
  FileCommands files;
};

class RecoveryKeeperTest : public QObject {
  Q_OBJECT

 private:
  QString Path(const char* name) const { return QString::fromStdString(dir_->Path(name)); }
  QString Folder() const { return Path("recovery"); }

  std::unique_ptr<Editor> StartEditor() {
    auto editor = std::make_unique<Editor>(dialogs_, Folder(), Path("kurvex.ini"));
    // As the editor starts: with the new course, then its place in the folder.
    editor->session.document().Replace(NewCourse());
    editor->keeper.Start();
    return editor;
  }

  QStringList Copies() const {
    return QDir(Folder()).entryList({"*.kurvex-recovery"}, QDir::Files | QDir::System);
  }

  static bool ReadCopy(const QString& path, RecoveryCopy& copy) {
    const std::vector<uint8_t> bytes = FileBytes(path.toStdString());
    Course course = NewCourse();
    return DecodeRecoveryCopy(bytes.data(), bytes.size(), copy, course, nullptr);
  }

  // An editor with a named course opened from a file and edited, its copy written.
  std::unique_ptr<Editor> EditedEditor(const char* name, const char* file) {
    auto editor = StartEditor();
    Course course = SeededRingCourse(12, 5);
    course.Name = StrDec(name);
    editor->session.document().Replace(course);
    editor->session.SetFilePath(Path(file));
    editor->session.document().SetBanking(21);
    [&] { QTRY_VERIFY(QFileInfo::exists(editor->keeper.CopyPath())); }();
    return editor;
  }

  std::unique_ptr<ScratchDir> dir_;
  ScriptedDialogs dialogs_;

 private slots:
  void init() {
    dir_ = std::make_unique<ScratchDir>();
    dialogs_ = ScriptedDialogs();
  }

  void WritesTheCourseAfterEachSettledStep() {
    auto editor = StartEditor();
    CourseDocument& document = editor->session.document();
    editor->session.SetFilePath(Path("lap.kurv"));
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    QCOMPARE(document.AddPoint(), int16_t{kEditOk});
    QTRY_VERIFY(QFileInfo::exists(editor->keeper.CopyPath()));
    RecoveryCopy copy;
    QVERIFY(ReadCopy(editor->keeper.CopyPath(), copy));
    QCOMPARE(copy.kurv, KurvOf(document.course()));
    QCOMPARE(QString::fromStdString(copy.file_path), Path("lap.kurv"));
    QVERIFY(copy.changed_at_ms >= before && copy.changed_at_ms <= before + 5000);
    // The next step replaces the copy.
    document.SetBanking(12);
    QTRY_VERIFY(ReadCopy(editor->keeper.CopyPath(), copy) &&
                copy.kurv == KurvOf(document.course()));
    QCOMPARE(Copies().size(), 1);
  }

  void WaitsForADragOrTypingToEnd() {
    auto editor = StartEditor();
    CourseDocument& document = editor->session.document();
    document.SetCoordinate(kAxisX, 1234, CourseDocument::Entry::kTyping);
    QTest::qWait(400);
    QVERIFY(!QFileInfo::exists(editor->keeper.CopyPath()));
    document.FinishTyping();
    QTRY_VERIFY(QFileInfo::exists(editor->keeper.CopyPath()));

    // A step settled just before a drag begins is written only after the drag.
    document.SetBanking(5);
    document.BeginGesture("Move Point");
    document.UpdateGesture([](Course& course, int&) -> int16_t {
      course.Points[1].Y += 500;
      return kEditOk;
    });
    const std::vector<uint8_t> during = FileBytes(editor->keeper.CopyPath().toStdString());
    QTest::qWait(400);
    QCOMPARE(FileBytes(editor->keeper.CopyPath().toStdString()), during);
    document.EndGesture();
    RecoveryCopy copy;
    QTRY_VERIFY(ReadCopy(editor->keeper.CopyPath(), copy) &&
                copy.kurv == KurvOf(document.course()));
  }

  void SavingDiscardingAndACleanExitRemoveIt() {
    auto editor = StartEditor();
    CourseDocument& document = editor->session.document();
    const QString copy = editor->keeper.CopyPath();
    document.AddPoint();
    QTRY_VERIFY(QFileInfo::exists(copy));
    dialogs_.file_names = {Path("saved.kurv")};
    QVERIFY(editor->files.Save());
    QVERIFY(!QFileInfo::exists(copy));

    document.AddPoint();
    QTRY_VERIFY(QFileInfo::exists(copy));
    dialogs_.save_choices = {SaveChoice::kDiscard};
    dialogs_.file_names = {Path("saved.kurv")};
    QVERIFY(editor->files.Open());
    QVERIFY(dialogs_.save_choices.empty());
    QVERIFY(!QFileInfo::exists(copy));

    document.AddPoint();
    QTRY_VERIFY(QFileInfo::exists(copy));
    editor->keeper.Finish(false);
    QVERIFY(!QFileInfo::exists(copy));
    QCOMPARE(QDir(Folder()).entryList(QDir::Files), QStringList());
  }

  void RecoversACopyAsTheModifiedCourseOfItsFile() {
    std::vector<uint8_t> kurv;
    QString copy_path;
    {
      // An editor that ends without a word, as a killed one does.
      auto lost = EditedEditor("MUTE CITY [ka]", "mute.kurv");
      kurv = KurvOf(lost->session.document().course());
      copy_path = lost->keeper.CopyPath();
    }
    QVERIFY(QFileInfo::exists(copy_path));
    auto editor = StartEditor();
    dialogs_.recover_choices = {RecoverChoice::kRecover};
    QVERIFY(editor->keeper.OfferOrphans());
    QCOMPARE(int(dialogs_.recovery_questions.size()), 1);
    const RecoveryQuestion& question = dialogs_.recovery_questions[0];
    QCOMPARE(question.course_name, QString::fromUtf8("MUTE CITY \u30AB"));  // as the game shows it
    QCOMPARE(question.file_path, Path("mute.kurv"));
    RecoveryCopy copy;
    QVERIFY(ReadCopy(copy_path, copy));
    QCOMPARE(question.changed,
             QDateTime::fromMSecsSinceEpoch(copy.changed_at_ms).toString("yyyy-MM-dd HH:mm:ss"));

    const CourseDocument& document = editor->session.document();
    QCOMPARE(KurvOf(document.course()), kurv);
    QVERIFY(document.IsModified());
    QCOMPARE(editor->session.file_path(), Path("mute.kurv"));
    // The old copy stays until the course is saved, and Save writes to the course's file.
    QCOMPARE(editor->keeper.CopyPath(), copy_path);
    QVERIFY(QFileInfo::exists(copy_path));
    QVERIFY(editor->files.Save());
    QCOMPARE(FileBytes(Path("mute.kurv").toStdString()), kurv);
    QVERIFY(Copies().isEmpty());
  }

  void LaterKeepsTheCopyAndDiscardRemovesIt() {
    { auto lost = EditedEditor("LATER", "later.kurv"); }
    for (int run = 0; run < 2; ++run) {
      auto editor = StartEditor();
      QVERIFY(!editor->keeper.OfferOrphans());  // no answer scripted: Later
      QVERIFY(!editor->session.document().IsModified());
      QCOMPARE(Copies().size(), 1);
    }
    QCOMPARE(int(dialogs_.recovery_questions.size()), 2);
    auto editor = StartEditor();
    dialogs_.recover_choices = {RecoverChoice::kDiscard};
    QVERIFY(!editor->keeper.OfferOrphans());
    QVERIFY(Copies().isEmpty());
  }

  void OffersTheNewestFirstAndKeepsTheRestForLater() {
    { auto older = EditedEditor("OLDER", "older.kurv"); }
    QTest::qWait(20);
    { auto newer = EditedEditor("NEWER", "newer.kurv"); }
    auto editor = StartEditor();
    dialogs_.recover_choices = {RecoverChoice::kLater, RecoverChoice::kRecover};
    QVERIFY(editor->keeper.OfferOrphans());
    QCOMPARE(int(dialogs_.recovery_questions.size()), 2);
    QCOMPARE(dialogs_.recovery_questions[0].course_name, QString("NEWER"));
    QCOMPARE(editor->session.file_path(), Path("older.kurv"));
    // After a recovery the rest wait: the other copy is asked about at the next start.
    auto next = StartEditor();
    QVERIFY(!next->keeper.OfferOrphans());
    QCOMPARE(int(dialogs_.recovery_questions.size()), 3);
    QCOMPARE(dialogs_.recovery_questions[2].course_name, QString("NEWER"));
  }

  void NeverTakesTheCopyOfARunningEditor() {
    auto running = EditedEditor("RUNNING", "running.kurv");
    auto second = StartEditor();
    QVERIFY(!second->keeper.OfferOrphans());
    QVERIFY(dialogs_.recovery_questions.empty());
    second->session.document().AddPoint();
    QTRY_COMPARE(Copies().size(), 2);
    second->keeper.Finish(false);
    QCOMPARE(Copies().size(), 1);
    QVERIFY(QFileInfo::exists(running->keeper.CopyPath()));
  }

  void RefusesADamagedCopyOnceWithItsReason() {
    QDir().mkpath(Folder());
    const QString bad = QDir(Folder()).filePath("course-bad.kurvex-recovery");
    QVERIFY(WriteText(bad.toStdString(), "KURVXT and nothing else"));
    auto editor = StartEditor();
    QVERIFY(!editor->keeper.OfferOrphans());
    QVERIFY(dialogs_.recovery_questions.empty());
    QCOMPARE(int(dialogs_.messages.size()), 1);
    QCOMPARE(dialogs_.messages[0].caption, QString("Recover Course"));
    const QString moved =
        QDir(editor->keeper.DamagedFolder()).filePath("course-bad.kurvex-recovery");
    QCOMPARE(dialogs_.messages[0].Text(), "A recovery copy could not be read.\n\nIt was moved to " +
                                              editor->keeper.DamagedFolder() +
                                              " and will not be offered again.\n" + bad +
                                              ": not a recovery copy");
    QVERIFY(QFileInfo::exists(moved));
    QVERIFY(!QFileInfo::exists(bad));
    auto next = StartEditor();
    QVERIFY(!next->keeper.OfferOrphans());
    QCOMPARE(int(dialogs_.messages.size()), 1);
  }

  void RefusesALinkInACopysPlaceWithoutTouchingItsTarget() {
    QDir().mkpath(Folder());
    const QString own = Path("own.kurv");
    QVERIFY(WriteText(own.toStdString(), "the modder's own file"));
    const QString link = QDir(Folder()).filePath("course-link.kurvex-recovery");
    QVERIFY(QFile::link(own, link));
    auto editor = StartEditor();
    QVERIFY(!editor->keeper.OfferOrphans());
    QCOMPARE(int(dialogs_.messages.size()), 1);
    QVERIFY(dialogs_.messages[0].Text().endsWith("It was removed.\n" + link +
                                                 ": not a regular file (a symbolic link)"));
    QVERIFY(!QFileInfo(link).isSymLink());
    const std::vector<uint8_t> kept = FileBytes(own.toStdString());
    QCOMPARE(std::string(kept.begin(), kept.end()), std::string("the modder's own file"));
  }

  void WorksOnWithoutAFolderForItsCopy() {
    QVERIFY(WriteText(Folder().toStdString(), "a file where the folder would be"));
    Editor editor(dialogs_, Folder(), Path("kurvex.ini"));
    QString status;
    connect(&editor.keeper, &RecoveryKeeper::status, this,
            [&](const QString& text) { status = text; });
    QVERIFY(!editor.keeper.Start());
    QCOMPARE(status, "No recovery copy can be kept: " + Folder() + " cannot be written");
    QVERIFY(!editor.keeper.OfferOrphans());
    editor.session.document().Replace(NewCourse());
    editor.session.document().AddPoint();
    QTest::qWait(100);
    editor.keeper.KeepNow();
    editor.keeper.Finish(true);
    QCOMPARE(FileBytes(Folder().toStdString()).size(), size_t{32});
  }

  void NeverWritesThroughALinkInItsPlace() {
    auto editor = StartEditor();
    const QString own = Path("own.kurv");
    QVERIFY(WriteText(own.toStdString(), "the modder's own file"));
    QVERIFY(QFile::link(own, editor->keeper.CopyPath()));
    editor->session.document().AddPoint();
    QTRY_VERIFY(!QFileInfo(editor->keeper.CopyPath()).isSymLink());
    const std::vector<uint8_t> kept = FileBytes(own.toStdString());
    QCOMPARE(std::string(kept.begin(), kept.end()), std::string("the modder's own file"));
    RecoveryCopy copy;
    QTRY_VERIFY(ReadCopy(editor->keeper.CopyPath(), copy));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::RecoveryKeeperTest)
#include "recovery_keeper_test.moc"
