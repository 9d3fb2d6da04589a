// The Patch to ROM window driven as a user drives it: choosing the input and output ROMs with
// their messages, the slots' course files, and patching a synthetic ROM, with courses that
// could not be patched reported apart from texts cut to fit.
#include "ui/patch_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <cstdio>

#include "course/course_files.h"
#include "course/datasheet.h"
#include "rom/header_checksum.h"
#include "rom/rom_course_loader.h"
#include "rom/rom_image.h"
#include "rom_builder.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "test_courses.h"
#include "ui/editor_session.h"

namespace kurvex::test {

class PatchWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    Fixture() : window(session, dialogs, nullptr) { window.show(); }
    EditorSession session;
    ScriptedDialogs dialogs;
    PatchWindow window;

    template <typename T>
    T* Find(const char* name) {
      return window.findChild<T*>(name);
    }
    QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }
    QString Version() { return Find<QLabel>("lblVersion")->text(); }
    bool Enabled(const char* button) { return Find<QPushButton>(button)->isEnabled(); }
    bool LoadFile() { return Find<QCheckBox>("chkLoadFile")->isChecked(); }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void Choose(const char* button, const QString& path) {
      dialogs.file_names = {path};
      Click(button);
    }
    void Slot(int slot) { Find<QComboBox>("cmbCourse")->setCurrentIndex(slot - 1); }
    void SlotFile(int slot, const QString& path) {
      Slot(slot);
      Choose("cmdFile", path);
    }
  };

  QString Path(const std::string& name) const { return QString::fromStdString(dir_->Path(name)); }
  QString Rom(const std::string& name, char region = 'E', bool v64 = false) const {
    return TestRom::Filled(region).Write(dir_->Path(name), v64) ? Path(name) : QString();
  }
  QString Kurv(const std::string& name, const Course& course) const {
    return SaveKurvFile(dir_->Path(name), course).ok ? Path(name) : QString();
  }
  static bool Decode(const QString& rom, int slot, Course& course) {
    return LoadCourseFromRom(rom.toStdString(), slot, course).ok;
  }

  std::unique_ptr<ScratchDir> dir_;

 private slots:
  void init() { dir_ = std::make_unique<ScratchDir>(); }

  void TheInputRomProposesTheOutput() {
    Fixture f;
    QCOMPARE(f.Version(), QString("(No ROM selected)"));
    QVERIFY(!f.Enabled("cmdPatch"));
    QVERIFY(!f.Enabled("cmdROMOut"));
    QCOMPARE(f.Find<QComboBox>("cmbCourse")->currentText(), QString("Jack 1"));
    QCOMPARE(f.Find<QComboBox>("cmbCourse")->count(), 24);
    f.Choose("cmdROMIn", Rom("fzx.z64"));
    QCOMPARE(f.dialogs.file_dialog_titles.last(), QString("Select Input ROM..."));
    QCOMPARE(f.Text("txtIn"), Path("fzx.z64"));
    QCOMPARE(f.Text("txtOut"), Path("fzx_mfd.z64"));
    QCOMPARE(f.Version(), QString("North American; Z64"));
    QVERIFY(f.Enabled("cmdPatch") && f.Enabled("cmdROMOut"));
    f.Choose("cmdROMIn", Rom("j.v64", 'J', true));
    QCOMPARE(f.Version(), QString("Japanese; V64"));
    f.Choose("cmdROMIn", Rom("pal", 'P'));
    QCOMPARE(f.Text("txtOut"), Path("pal_mfd"));
    QCOMPARE(f.Version(), QString("PAL; Z64"));
    // Not the game: the message of the ROM layer, and no ROM selected any more.
    QVERIFY(WriteText(dir_->Path("notes.n64"), "not a ROM"));
    f.Choose("cmdROMIn", Path("notes.n64"));
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].caption, QString("Select Input ROM"));
    QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::kCritical);
    QCOMPARE(f.dialogs.messages[0].message, FileCheck(kRomNotFZeroX, 0));
    QVERIFY(f.Text("txtIn").isEmpty() && f.Text("txtOut").isEmpty());
    QCOMPARE(f.Version(), QString("(No ROM Selected)"));
    QVERIFY(!f.Enabled("cmdPatch"));
  }

  void TheEditorsInputRomIsProposedUntilAnotherIsChosen() {
    Fixture f;
    f.session.SetInputRom(Rom("fzx.z64"));
    QCOMPARE(f.Text("txtIn"), Path("fzx.z64"));
    QCOMPARE(f.Text("txtOut"), Path("fzx_mfd.z64"));
    QVERIFY(f.Enabled("cmdPatch"));
    f.Choose("cmdROMIn", Rom("other.z64"));
    f.session.SetInputRom(Rom("third.z64"));
    QCOMPARE(f.Text("txtIn"), Path("other.z64"));  // the window's own choice stays
  }

  void TheOutputMayNotBeTheInput() {
    Fixture f;
    f.Choose("cmdROMIn", Rom("fzx_mfd.z64"));
    const Message same = LinesMessage({"Input ROM and Output ROM cannot be",
                                       "The same. Please specify a different", "Output ROM."});
    const QString proposed = f.Text("txtOut");
    for (const QString& chosen :
         {Path("fzx_mfd.z64"), Path("FZX_MFD.Z64"), Path("fzx.z64") /* + "_mfd" is the input */}) {
      f.dialogs.messages.clear();
      f.Choose("cmdROMOut", chosen);
      QCOMPARE(f.dialogs.messages.size(), size_t(1));
      QCOMPARE(f.dialogs.messages[0].caption, QString("Specify Output ROM"));
      QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::kExclamation);
      QCOMPARE(f.dialogs.messages[0].message, same);
      QCOMPARE(f.Text("txtOut"), proposed);
    }
    f.Choose("cmdROMOut", Path("other.z64"));
    QCOMPARE(f.dialogs.file_dialog_titles.last(), QString("Specify Output ROM..."));
    QCOMPARE(f.Text("txtOut"), Path("other_mfd.z64"));
    f.Choose("cmdROMOut", QString());  // cancelled
    QCOMPARE(f.Text("txtOut"), Path("other_mfd.z64"));
  }

  void EachSlotKeepsItsCourseFile() {
    Fixture f;
    const QString ring = Kurv("ring.kurv", RingCourse(6));
    f.SlotFile(3, ring);
    QCOMPARE(f.dialogs.file_dialog_titles.last(), QString("Select KURV F-Zero X Track"));
    QVERIFY(f.LoadFile());
    QCOMPARE(f.Text("txtFile"), ring);
    f.Slot(4);
    QVERIFY(!f.LoadFile());
    QVERIFY(f.Text("txtFile").isEmpty());
    f.Slot(3);
    QVERIFY(f.LoadFile());
    QCOMPARE(f.Text("txtFile"), ring);
    // Unticked, the slot keeps the file but will not load it.
    QTest::mouseClick(f.Find<QCheckBox>("chkLoadFile"), Qt::LeftButton);
    f.Slot(1);
    f.Slot(3);
    QVERIFY(!f.LoadFile());
    QCOMPARE(f.Text("txtFile"), ring);
    // A file that is no course: the message of Open, and the slot forgets its file.
    QVERIFY(WriteText(dir_->Path("junk.kurv"), "junk"));
    f.SlotFile(3, Path("junk.kurv"));
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].caption, QString("Select KURV F-Zero X Track"));
    QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::kCritical);
    QVERIFY(!f.LoadFile());
    QVERIFY(f.Text("txtFile").isEmpty());
  }

  void PatchesCourseFilesOfBothFormsIntoACopy() {
    Fixture f;
    const QString input = Rom("fzx.z64");
    const std::vector<uint8_t> original = FileBytes(input.toStdString());
    Course kurv = SeededRingCourse(9, 2);
    kurv.Name = "KURV COURSE";
    Course text = RingCourse(7);
    text.Name = "TEXT COURSE";
    QVERIFY(WriteText(dir_->Path("text.txt"), GenDatasheet(text)));
    f.Choose("cmdROMIn", input);
    f.SlotFile(2, Kurv("kurv.kurv", kurv));
    f.SlotFile(5, Path("text.txt"));
    QTest::mouseClick(f.Find<QCheckBox>("chkCRC"), Qt::LeftButton);
    f.Click("cmdPatch");
    QVERIFY2(f.dialogs.messages.empty(),
             qPrintable(f.dialogs.messages.empty() ? QString() : f.dialogs.messages[0].Text()));
    const QString output = Path("fzx_mfd.z64");
    Course decoded;
    QVERIFY(Decode(output, 2, decoded));
    QCOMPARE(decoded.Name, std::string("KURV COURSE"));
    QCOMPARE(decoded.PointCount, 9);
    QCOMPARE(decoded.Points[4].X, kurv.Points[4].X);
    QVERIFY(Decode(output, 5, decoded));
    QCOMPARE(decoded.Name, std::string("TEXT COURSE"));
    QCOMPARE(decoded.PointCount, 7);
    QVERIFY(Decode(output, 1, decoded));
    QCOMPARE(decoded.PointCount, 4 + 1 % 20);  // the input's own course
    // The checksum is the built-in one, and the input is never touched.
    RomImage patched;
    QCOMPARE(patched.OpenRom(output.toStdString()), int16_t(kRomOk));
    QVERIFY(StoredHeaderChecksum(patched) == ComputeHeaderChecksum(patched));
    QCOMPARE(FileBytes(input.toStdString()), original);
  }

  void APatchSaysWhatItWroteWithoutABox() {
    Fixture f;
    QSignalSpy status(&f.window, &PatchWindow::status);
    f.Choose("cmdROMIn", Rom("fzx.z64"));
    f.SlotFile(2, Kurv("a.kurv", RingCourse(6)));
    f.SlotFile(7, Kurv("b.kurv", RingCourse(8)));
    f.SlotFile(9, Kurv("gone.kurv", RingCourse(5)));
    std::remove(dir_->Path("gone.kurv").c_str());
    f.dialogs.messages.clear();
    f.Click("cmdPatch");
    QCOMPARE(f.dialogs.messages.size(), size_t(1));  // only the error of the missing file
    const QString said = "Wrote fzx_mfd.z64: Jack 2, Queen 1; header checksum as in the input.";
    QCOMPARE(f.Find<QLabel>("lblWritten")->text(), said);
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.at(0).at(0).toString(), said);

    QTest::mouseClick(f.Find<QCheckBox>("chkCRC"), Qt::LeftButton);
    f.Slot(9);
    QTest::mouseClick(f.Find<QCheckBox>("chkLoadFile"), Qt::LeftButton);  // no longer loaded
    f.Click("cmdPatch");
    QCOMPARE(f.Find<QLabel>("lblWritten")->text(),
             QString("Wrote fzx_mfd.z64: Jack 2, Queen 1; header checksum recalculated."));
  }

  void CoursesNotPatchedAreErrorsAndShortenedTextsANotice() {
    Fixture f;
    f.Choose("cmdROMIn", Rom("fzx.z64"));
    // Fourteen names of 30 letters do not fit the 400-byte names block.
    for (int slot = 1; slot <= 14; ++slot) {
      Course course = SeededRingCourse(5, slot);
      course.Name = std::string(30, static_cast<char>('A' + slot));
      f.SlotFile(slot, Kurv("long" + std::to_string(slot) + ".kurv", course));
    }
    f.Slot(15);  // ticked without a file
    QTest::mouseClick(f.Find<QCheckBox>("chkLoadFile"), Qt::LeftButton);
    f.SlotFile(20, Kurv("gone.kurv", RingCourse(5)));
    std::remove(dir_->Path("gone.kurv").c_str());
    f.dialogs.messages.clear();
    f.Click("cmdPatch");
    QCOMPARE(f.dialogs.messages.size(), size_t(2));
    const ShownMessage& errors = f.dialogs.messages[0];
    QCOMPARE(errors.caption, QString("Patch ROM"));
    QCOMPARE(errors.icon, MessageIcon::kExclamation);
    QCOMPARE(errors.message.lines,
             (std::vector<std::string>{
                 "The following courses encountered",
                 "errors while attempting to patch:", "King 3 (no file chosen),",
                 "Joker 2 (" + dir_->Path("gone.kurv") + ": No such file or directory)."}));
    const ShownMessage& notice = f.dialogs.messages[1];
    QCOMPARE(notice.caption, QString("Patch ROM"));
    QCOMPARE(notice.icon, MessageIcon::kInformation);
    // Twelve names fit; from King 1 on the names are cut or left empty.
    QVERIFY(notice.Text().contains("cut to fit"));
    QVERIFY(notice.Text().contains("\nKing 1,\n"));
    QVERIFY(notice.Text().endsWith("\nJoker 6."));
    QVERIFY(!notice.Text().contains("Jack") && !notice.Text().contains("Queen"));
    // The shortened courses were patched nonetheless.
    Course decoded;
    QVERIFY(Decode(Path("fzx_mfd.z64"), 14, decoded));
    QCOMPARE(decoded.PointCount, 5);
  }

  // The proposed output is a link to a slot's course file, then to the course being edited:
  // both are refused with the reason, and the files keep their bytes.
  void TheOutputNeverReplacesACourseFileOrTheCourseBeingEdited() {
    Fixture f;
    const QString slot_file = Kurv("slot.kurv", RingCourse(6));
    const QString edited = Kurv("edited.kurv", RingCourse(8));
    const std::vector<uint8_t> slot_bytes = FileBytes(slot_file.toStdString());
    const std::vector<uint8_t> edited_bytes = FileBytes(edited.toStdString());
    QVERIFY(QFile::link(slot_file, Path("fzx_mfd.z64")));
    QVERIFY(QFile::link(edited, Path("mine_mfd.z64")));
    f.session.SetFilePath(edited);
    f.Choose("cmdROMIn", Rom("fzx.z64"));
    f.SlotFile(2, slot_file);
    f.Click("cmdPatch");
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Patch ROM"});
    QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::kCritical);
    QCOMPARE(f.dialogs.messages[0].message.lines.back(),
             dir_->Path("fzx_mfd.z64") + ": is one of this command's inputs");
    f.dialogs.Clear();
    f.Choose("cmdROMOut", Path("mine.z64"));
    QCOMPARE(f.Text("txtOut"), Path("mine_mfd.z64"));
    f.Click("cmdPatch");
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Patch ROM"});
    QCOMPARE(f.dialogs.messages[0].message.lines.back(),
             dir_->Path("mine_mfd.z64") + ": is one of this command's inputs");
    QCOMPARE(FileBytes(slot_file.toStdString()), slot_bytes);
    QCOMPARE(FileBytes(edited.toStdString()), edited_bytes);
  }

  void AnInputRomThatWentAwayIsReported() {
    Fixture f;
    f.Choose("cmdROMIn", Rom("fzx.z64"));
    std::remove(dir_->Path("fzx.z64").c_str());
    f.Click("cmdPatch");
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    QCOMPARE(f.dialogs.messages[0].caption, QString("Patch ROM"));
    QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::kCritical);
    QCOMPARE(f.dialogs.messages[0].message.title, std::string("Error with Input ROM file"));
    QVERIFY(!f.Enabled("cmdPatch"));
    QVERIFY(FileBytes(dir_->Path("fzx_mfd.z64")).empty());
  }

  void AFailingButtonLeavesTheEditorRunningWithAMessage() {
    Fixture f;
    f.dialogs.failing_file_dialogs = 1;
    f.Click("cmdROMIn");
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Patch to ROM"});
    QCOMPARE(f.dialogs.messages.back().Text(), QString("An unknown error has occurred."));
    // The window goes on: the next input ROM is taken.
    const QString rom = Rom("in.z64");
    f.Choose("cmdROMIn", rom);
    QCOMPARE(f.Text("txtIn"), rom);
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::PatchWindowTest)
#include "patch_window_test.moc"
