// What only a real process shows: an editor killed outright leaves its copy for the next
// start, byte for byte, and none is offered while its editor still runs; SIGTERM, SIGHUP and
// SIGINT end the editor in order, with the copy and the settings written and nothing asked.
#include <QDir>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <memory>

#include "course/kurv_file.h"
#include "course/new_course.h"
#include "course/recovery_file.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "ui/editor_session.h"
#include "ui/recovery_keeper.h"

namespace kurvex::test {

class RecoveryProcessTest : public QObject {
  Q_OBJECT

 private:
  QString Path(const QString& name) const {
    return QString::fromStdString(dir_->Path(name.toStdString()));
  }
  QString RecoveryFolder() const { return Path("data/kurvex/recovery"); }
  QStringList InRecovery(const QString& pattern) const {
    return QDir(RecoveryFolder()).entryList({pattern}, QDir::Files | QDir::System);
  }

  // An editor with its own data, settings and cache folders, on the test's display.
  std::unique_ptr<QProcess> Launch(const QString& program) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", Path("data"));
    environment.insert("XDG_CONFIG_HOME", Path("config"));
    environment.insert("XDG_CACHE_HOME", Path("cache"));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->start(program, {});
    return process;
  }

  // The KURV bytes the fixture reports once it has made its edit.
  static QByteArray EditedCourse(QProcess& process) {
    QByteArray line;
    QElapsedTimer waited;
    waited.start();
    while (!line.endsWith('\n') && waited.elapsed() < 20000) {
      process.waitForReadyRead(200);
      line += process.readAllStandardOutput();
    }
    if (!line.startsWith("edited ")) return {};
    return QByteArray::fromHex(line.mid(7).trimmed());
  }

  // Never kill(0, ...): that would reach the whole process group, the test among it.
  static bool Send(QProcess& process, int signal_number) {
    const qint64 pid = process.processId();
    return pid > 0 && kill(static_cast<pid_t>(pid), signal_number) == 0;
  }

  static bool EndsWithin(QProcess& process, int ms) {
    return process.waitForFinished(ms) && process.exitStatus() == QProcess::NormalExit;
  }

  std::unique_ptr<ScratchDir> dir_;

 private slots:
  void init() { dir_ = std::make_unique<ScratchDir>(); }

  void AKilledEditorsCourseIsOfferedBackByteForByte() {
    auto editor = Launch(KURVEX_FIXTURE);
    const QByteArray kurv = EditedCourse(*editor);
    QVERIFY(!kurv.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(InRecovery("*.kurvex-recovery").size(), 1, 10000);

    // Another editor starting meanwhile leaves the running one's copy alone.
    ScriptedDialogs dialogs;
    dialogs.recover_choices = {RecoverChoice::kRecover};
    {
      EditorSession session;
      RecoveryKeeper second(session, dialogs, RecoveryFolder(), nullptr);
      QVERIFY(second.Start());
      QVERIFY(!second.OfferOrphans());
      QVERIFY(dialogs.recovery_questions.empty());
      second.Finish(false);
    }

    QVERIFY(Send(*editor, SIGKILL));
    QVERIFY(editor->waitForFinished(5000));
    EditorSession session;
    RecoveryKeeper next(session, dialogs, RecoveryFolder(), nullptr);
    QVERIFY(next.Start());
    QVERIFY(next.OfferOrphans());
    QCOMPARE(int(dialogs.recovery_questions.size()), 1);
    std::vector<uint8_t> recovered;
    QCOMPARE(WriteCourseFile(session.document().course(), recovered), int16_t{kKurvOk});
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(recovered.data()), int(recovered.size())),
             kurv);
    QVERIFY(session.document().IsModified());
    next.Finish(false);
  }

  void SigtermKeepsTheCourseAndSavesTheSettings() {
    for (int signal_number : {SIGTERM, SIGHUP, SIGINT}) {
      init();
      auto editor = Launch(KURVEX_FIXTURE);
      const QByteArray kurv = EditedCourse(*editor);
      QVERIFY(!kurv.isEmpty());
      // At once, before the copy's usual delay has passed.
      QVERIFY(Send(*editor, signal_number));
      QVERIFY(EndsWithin(*editor, 10000));
      QCOMPARE(editor->exitCode(), 0);
      QVERIFY(QFileInfo(Path("config/kurvex/opts.cfg")).size() == 501);
      const QStringList copies = InRecovery("*.kurvex-recovery");
      QCOMPARE(copies.size(), 1);
      QCOMPARE(InRecovery("*.lock"), QStringList());
      const std::vector<uint8_t> bytes =
          FileBytes(QDir(RecoveryFolder()).filePath(copies[0]).toStdString());
      RecoveryCopy copy;
      Course course = NewCourse();
      QVERIFY(DecodeRecoveryCopy(bytes.data(), bytes.size(), copy, course, nullptr));
      QCOMPARE(QByteArray(reinterpret_cast<const char*>(copy.kurv.data()), int(copy.kurv.size())),
               kurv);
    }
  }

  void SigtermEndsTheRealEditorInOrder() {
    auto editor = Launch(KURVEX_EDITOR);
    // Up once it holds its place in the recovery folder.
    QTRY_COMPARE_WITH_TIMEOUT(InRecovery("*.lock").size(), 1, 20000);
    QVERIFY(Send(*editor, SIGTERM));
    QVERIFY(EndsWithin(*editor, 10000));
    QCOMPARE(editor->exitCode(), 0);
    QCOMPARE(QFileInfo(Path("config/kurvex/opts.cfg")).size(), qint64{501});
    // Nothing was unsaved: no copy, and the lock is gone with the editor.
    QCOMPARE(QDir(RecoveryFolder()).entryList(QDir::Files | QDir::System), QStringList());
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::RecoveryProcessTest)
#include "recovery_process_test.moc"
