// Test in Emulator with a stand-in emulator that writes down how it was started: the copy of
// the input ROM it is given holds the course being edited in the chosen slot, with a right
// header checksum, and the input ROM is untouched.
#include "ui/emulator_run.h"

#include <QFile>
#include <QtTest>

#include "course/course_compare.h"
#include "rom/header_checksum.h"
#include "rom/rom_course_loader.h"
#include "rom_builder.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "test_courses.h"
#include "ui/editor_session.h"
#include "ui/preferences.h"

namespace kurvex::test {

class EmulatorRunTest : public QObject {
  Q_OBJECT

 private:
  QString Path(const char* name) const { return QString::fromStdString(dir_->Path(name)); }

  // A program that writes its arguments, one a line, beside itself.
  QString StandInEmulator() const {
    const QString script = Path("emulator.sh");
    WriteText(script.toStdString(),
              "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + dir_->Path("arguments.txt") + "'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
  }

  std::unique_ptr<ScratchDir> dir_;
  std::unique_ptr<EditorSession> session_;
  ScriptedDialogs dialogs_;

 private slots:
  void init() {
    dir_ = std::make_unique<ScratchDir>();
    dialogs_.Clear();
    session_ = std::make_unique<EditorSession>();
    session_->document().Replace(RingCourse(9, 9000));
  }

  void WritesTheCourseIntoACopyAndStartsTheEmulatorOnIt() {
    const std::string rom = dir_->Path("fzx.z64");
    QVERIFY(TestRom::Filled('E').Write(rom));
    const std::vector<uint8_t> input = FileBytes(rom);
    session_->SetInputRom(QString::fromStdString(rom));
    session_->SetCourseSlot(5);  // loaded from Jack 5, but the preferences choose King 2
    session_->document().SetBanking(33);
    EmulatorRun test(*session_, dialogs_, Path("cache"), nullptr);
    QString status;
    connect(&test, &EmulatorRun::status, this, [&](const QString& text) { status = text; });

    QVERIFY(test.Run({"'" + StandInEmulator() + "' --fullscreen \"%ROM\"", 14}));
    QVERIFY(dialogs_.messages.empty());
    QTRY_VERIFY(QFileInfo(Path("arguments.txt")).size() > 0);
    const std::vector<uint8_t> written = FileBytes(dir_->Path("arguments.txt"));
    const QString arguments = QString::fromStdString(std::string(written.begin(), written.end()));
    QCOMPARE(arguments, "--fullscreen\n" + test.CopyPath() + "\n");
    QVERIFY(status.startsWith("King 2 written to "));

    Course tried;
    QVERIFY(LoadCourseFromRom(test.CopyPath().toStdString(), 14, tried).ok);
    QCOMPARE(tried.Points, session_->document().course().Points);
    QCOMPARE(tried.Banking[1], 33);
    RomImage copy;
    QCOMPARE(copy.OpenRom(test.CopyPath().toStdString()), int16_t{kRomOk});
    QVERIFY(StoredHeaderChecksum(copy) == ComputeHeaderChecksum(copy));
    QCOMPARE(FileBytes(rom), input);
  }

  // Copies of other ROMs not tried for a day and temporary files of killed writes go; the copy
  // of another ROM tried today and what another editor may be writing now stay.
  void StaleCopiesInTheCacheAreRemoved() {
    const std::string rom = dir_->Path("fzx.z64");
    QVERIFY(TestRom::Filled('E').Write(rom));
    session_->SetInputRom(QString::fromStdString(rom));
    QDir().mkpath(Path("cache"));
    const QDateTime now = QDateTime::currentDateTime();
    const std::vector<std::pair<const char*, QDateTime>> files = {
        {"cache/test-old.z64", now.addDays(-2)},
        {"cache/test-today.z64", now.addSecs(-600)},
        {"cache/.test-fzx.z64.Ab3dEf", now.addSecs(-600)},
        {"cache/.test-x.z64.q1w2e3", now},
        {"cache/notes.txt", now.addDays(-9)},
    };
    for (const auto& [name, time] : files) {
      QFile file(Path(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    EmulatorRun test(*session_, dialogs_, Path("cache"), nullptr);
    QVERIFY(test.Run({"'" + StandInEmulator() + "' %ROM", 0}));
    QCOMPARE(QDir(Path("cache")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{".test-x.z64.q1w2e3", "notes.txt", "test-fzx.z64", "test-today.z64"}));
  }

  void SaysWhatIsMissingOrWrong() {
    EmulatorRun test(*session_, dialogs_, Path("cache"), nullptr);
    QVERIFY(!test.Run({"emulator %ROM", 0}));
    QCOMPARE(dialogs_.messages.at(0).Text(),
             QString("No input ROM is selected.\nChoose File > Select Input ROM... first: the "
                     "course is tried in a copy of it."));

    QVERIFY(TestRom::Filled('E').Write(dir_->Path("fzx.z64")));
    session_->SetInputRom(Path("fzx.z64"));
    QVERIFY(!test.Run({"  ", 0}));
    QVERIFY(dialogs_.messages.at(1).Text().contains("Edit > Preferences..."));

    QVERIFY(!test.Run({Path("no-such-emulator") + " %ROM", 0}));
    QCOMPARE(dialogs_.messages.at(2).Text(), "The emulator could not be started.\n\"" +
                                                 Path("no-such-emulator") + "\": no such program");
    QCOMPARE(dialogs_.messages.at(2).caption, QString("Test in Emulator"));
  }

  void CommandsAreSplitAsAShellSplitsThem() {
    QStringList words;
    const QString command = "emu  --a 'two words' \"say \\\"hi\\\"\" back\\ slash \"%ROM\"";
    QVERIFY(SplitCommandLine(command, &words));
    QCOMPARE(words, (QStringList{"emu", "--a", "two words", "say \"hi\"", "back slash", "%ROM"}));
    QVERIFY(SplitCommandLine("a'b'\"c\" ''", &words));
    QCOMPARE(words, (QStringList{"abc", ""}));
    QVERIFY(!SplitCommandLine("emu 'open", &words));
  }

  void ThePreferencesChooseTheSlotAndTheCommand() {
    EmulatorPreferences preferences;
    QCOMPARE(preferences.SlotFor(0), 1);  // a course from a file: Jack 1
    QCOMPARE(preferences.SlotFor(7), 7);  // the slot it came from
    preferences.slot = 24;
    QCOMPARE(preferences.SlotFor(7), 24);  // a slot chosen in the preferences wins
    QSettings settings(Path("kurvex.ini"), QSettings::IniFormat);
    QCOMPARE(EmulatorPreferences::Load(settings).command, EmulatorPreferences::DefaultCommand());
    preferences.command = "emu %ROM";
    preferences.Store(settings);
    QCOMPARE(EmulatorPreferences::Load(settings).command, QString("emu %ROM"));
    QCOMPARE(EmulatorPreferences::Load(settings).slot, 24);
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::EmulatorRunTest)
#include "emulator_run_test.moc"
