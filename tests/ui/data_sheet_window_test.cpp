// The Data Sheet window driven as a user drives it: the sheet of the course in a fixed-pitch
// box, regenerated as the course changes; Update, Export and Import with their questions and
// messages; Windows-1252 text kept byte for byte.
#include "ui/data_sheet_window.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "course/datasheet.h"
#include "course/new_course.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "test_courses.h"
#include "ui/editor_session.h"

namespace kurvex::test {

class DataSheetWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    explicit Fixture(const Course& course = RingCourse(5)) : window(session, dialogs, nullptr) {
      session.document().Replace(course);
      window.show();
    }
    EditorSession session;
    ScriptedDialogs dialogs;
    DataSheetWindow window;

    CourseDocument& document() { return session.document(); }
    QPlainTextEdit* Box() { return window.findChild<QPlainTextEdit*>("txtSheet"); }
    QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(name); }
    QString Shown() { return Box()->toPlainText(); }
    // The sheet of the course as the box shows it.
    QString Expected() {
      return QString::fromLatin1(GenDatasheet(document().course())).replace("\r\n", "\n");
    }
    // Text typed over the whole box, as a user replacing it.
    void Replace(const QString& text) {
      Box()->selectAll();
      Box()->insertPlainText(text);
    }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
  };

  QString Path(const char* name) const { return QString::fromStdString(dir_->Path(name)); }
  std::unique_ptr<ScratchDir> dir_;

 private slots:
  void init() { dir_ = std::make_unique<ScratchDir>(); }

  void ShowsTheCourseAndFollowsIt() {
    Fixture f;
    // The sheet's columns line up: every character as wide as any other (fontconfig does not
    // always report a monospaced face as fixed pitch, so the widths themselves are compared).
    const QFontMetrics metrics(f.Box()->font());
    QCOMPARE(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
    QCOMPARE(f.Shown(), f.Expected());
    QVERIFY(f.Shown().contains(QString::fromUtf8("Banking = 0\u00B0")));
    QVERIFY(!f.Button("cmdUpdate")->isEnabled());
    f.document().SelectPoint(2);
    f.document().SetCoordinate(kAxisX, 123.5);
    QVERIFY(f.Shown().contains("X = 123.500"));
    QCOMPARE(f.Shown(), f.Expected());
    QVERIFY(!f.Button("cmdUpdate")->isEnabled());
    // Hidden, it catches up when shown again.
    f.window.hide();
    f.document().Replace(SeededRingCourse(9, 4));
    f.window.show();
    QCOMPARE(f.Shown(), f.Expected());
    // Ctrl+A selects the whole text.
    QTest::keyClick(f.Box(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.Box()->textCursor().selectedText().size(), f.Shown().size());
  }

  void UpdateAppliesTheEditedTextAsOneStep() {
    Fixture f;
    f.Box()->moveCursor(QTextCursor::End);
    QTest::keyClick(f.Box(), Qt::Key_Return);
    QTest::keyClicks(f.Box(), "Banking = -30");  // the last point's
    QVERIFY(f.Button("cmdUpdate")->isEnabled());
    f.Click("cmdUpdate");
    QCOMPARE(f.document().course().Banking[5], 330);
    QCOMPARE(f.document().UndoName(), std::string("Update Data Sheet"));
    QCOMPARE(f.Shown(), f.Expected());  // the normalised result
    QVERIFY(f.Shown().contains(QString::fromUtf8("Banking = 330\u00B0")));
    QVERIFY(!f.Button("cmdUpdate")->isEnabled());
    QVERIFY(f.dialogs.messages.empty());
    f.document().Undo();
    QCOMPARE(f.document().course().Banking[5], 0);
    QCOMPARE(f.Shown(), f.Expected());
  }

  void TextOutsideAsciiIsKeptByteForByte() {
    Fixture f;
    f.Replace(QString::fromUtf8("Source = caf\u00E9 \u00B0 \u2122 \u03A9\nCTL_Point_Count = 4"));
    QVERIFY(f.window.Update());
    // é, ° and ™ are bytes of the code page; Ω is not and becomes "?".
    QCOMPARE(f.document().course().Source, std::string("caf\xE9 \xB0 \x99 ?"));
    QVERIFY(f.Shown().contains(QString::fromUtf8("Source = caf\u00E9 \u00B0 \u2122 ?")));
    f.dialogs.file_names = {Path("sheet.txt")};
    QVERIFY(f.window.Export());
    const std::vector<uint8_t> bytes = FileBytes(dir_->Path("sheet.txt"));
    QCOMPARE(std::string(bytes.begin(), bytes.end()), GenDatasheet(f.document().course()));
    QVERIFY(std::string(bytes.begin(), bytes.end()).find("Source = caf\xE9 \xB0 \x99 ?\r\n") !=
            std::string::npos);
  }

  void UpdateShowsWhatItDidNotTake() {
    Fixture f;
    f.Replace("Name = BIG\nCTL_Point_Count = 65\nCTL_Point 9\nX = 5");
    f.Click("cmdUpdate");
    QCOMPARE(int(f.document().course().PointCount), 4);
    QCOMPARE(f.dialogs.messages.size(), size_t{1});
    QCOMPARE(f.dialogs.messages[0].icon, MessageIcon::kInformation);
    QVERIFY2(f.dialogs.messages[0].Text().contains("line 2: CTL_Point_Count = 65"),
             qPrintable(f.dialogs.messages[0].Text()));
  }

  void AnOverflowingSheetKeepsTheTextToBeCorrected() {
    Fixture f;
    const QString sheet = "CTL_Point_Count = 4\nCTL_Point 1\nX = 1e39\nY = 5";
    f.Replace(sheet);
    QVERIFY(!f.window.Update());
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
    const ShownMessage& shown = f.dialogs.messages[0];
    QCOMPARE(shown.caption, QString("Kurvex: F-Zero X"));
    QCOMPARE(shown.icon, MessageIcon::kCritical);
    QCOMPARE(shown.message, SheetOverflowMessage());
    QCOMPARE(f.Shown(), sheet);
    QVERIFY(f.Button("cmdUpdate")->isEnabled());
    QVERIFY(f.document().CanUndo());
  }

  void ExportWritesTheCoursesSheetNotTheBox() {
    Fixture f(SeededRingCourse(12, 7));
    const std::string sheet = GenDatasheet(f.document().course());
    f.Replace("Name = NOT APPLIED");
    f.dialogs.file_names = {Path("track")};
    QVERIFY(f.window.Export());
    QCOMPARE(f.dialogs.file_dialog_titles.last(), QString("Save F-Zero X Track Text File..."));
    const std::vector<uint8_t> written = FileBytes(dir_->Path("track.txt"));  // ".txt" added
    QCOMPARE(std::string(written.begin(), written.end()), sheet);
    QCOMPARE(f.Shown(), f.Expected());
    // An existing file is replaced only when the user says so.
    QVERIFY(WriteText(dir_->Path("old.txt"), "old"));
    f.dialogs.file_names = {Path("old.txt")};
    f.dialogs.yes_no = {false};
    QVERIFY(!f.window.Export());
    QCOMPARE(f.dialogs.questions.back().caption, QString("Replace File"));
    QCOMPARE(f.dialogs.questions.back().text,
             QString("The file \"old.txt\" already exists.\nWould you like to replace it?"));
    QCOMPARE(FileBytes(dir_->Path("old.txt")), std::vector<uint8_t>({'o', 'l', 'd'}));
    // A folder that is not there: "Unknown error", and why.
    f.dialogs.file_names = {Path("missing/track.txt")};
    QVERIFY(!f.window.Export());
    const ShownMessage& failed = f.dialogs.messages.back();
    QCOMPARE(failed.caption, QString("Export"));
    QCOMPARE(failed.icon, MessageIcon::kCritical);
    QCOMPARE(failed.message.title, std::string("Unknown error"));
    QVERIFY(failed.Text().contains(Path("missing/")));
  }

  void ImportReadsAFileAndAppliesIt() {
    Fixture f;
    const Course seeded = FullFeatureCourse();
    QVERIFY(WriteText(dir_->Path("seeded.txt"), GenDatasheet(seeded)));
    f.dialogs.file_names = {Path("seeded.txt")};
    QVERIFY(f.window.Import());
    QCOMPARE(f.dialogs.file_dialog_titles.last(), QString("Open F-Zero X Track Text File..."));
    QCOMPARE(GenDatasheet(f.document().course()), GenDatasheet(seeded));
    QCOMPARE(f.document().UndoName(), std::string("Update Data Sheet"));
    QCOMPARE(f.Shown(), f.Expected());
    QVERIFY(f.dialogs.messages.empty());
    // Round trip: what Export writes, Import gives back.
    f.dialogs.file_names = {Path("copy.txt")};
    QVERIFY(f.window.Export());
    f.document().Replace(NewCourse());
    f.dialogs.file_names = {Path("copy.txt")};
    QVERIFY(f.window.Import());
    QCOMPARE(GenDatasheet(f.document().course()), GenDatasheet(seeded));
    // Cancelled, nothing happens; a file that cannot be read says why.
    QVERIFY(!f.window.Import());
    f.dialogs.file_names = {Path("gone.txt")};
    QVERIFY(!f.window.Import());
    const ShownMessage& failed = f.dialogs.messages.back();
    QCOMPARE(failed.caption, QString("Import"));
    QCOMPARE(failed.message.title, std::string("Unknown error"));
    QVERIFY(failed.Text().contains(Path("gone.txt")));
    QCOMPARE(GenDatasheet(f.document().course()), GenDatasheet(seeded));
  }

  void AFailingButtonLeavesTheEditorRunningWithAMessage() {
    Fixture f;
    f.dialogs.failing_file_dialogs = 1;
    f.Click("cmdExport");
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Data Sheet"});
    QCOMPARE(f.dialogs.messages.back().Text(), QString("An unknown error has occurred."));
    // The window goes on: the next export writes the file.
    f.dialogs.file_names = {Path("sheet.txt")};
    f.Click("cmdExport");
    QVERIFY(QFileInfo::exists(Path("sheet.txt")));
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
  }

  // A classic Mac text (lone CR line ends) is read and shown line by line; a file with NUL
  // bytes is no text and is refused, leaving the course as it was.
  void ImportTakesLoneCrLineEndsAndRefusesNulBytes() {
    Fixture f;
    const Course seeded = SeededRingCourse(7, 2);
    std::string mac = GenDatasheet(seeded);
    for (size_t at = mac.find("\r\n"); at != std::string::npos; at = mac.find("\r\n", at)) {
      mac.erase(at + 1, 1);
    }
    QVERIFY(WriteText(dir_->Path("mac.txt"), mac));
    f.dialogs.file_names = {Path("mac.txt")};
    QVERIFY(f.window.Import());
    QCOMPARE(int(f.document().course().PointCount), 7);
    QCOMPARE(f.Shown(), f.Expected());
    const std::string before = GenDatasheet(f.document().course());
    QVERIFY(WriteText(dir_->Path("nul.txt"), std::string("Name = x\r\n\0", 12)));
    f.dialogs.file_names = {Path("nul.txt")};
    QVERIFY(!f.window.Import());
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Import"});
    QCOMPARE(f.dialogs.messages[0].message.lines.back(),
             dir_->Path("nul.txt") + ": not a track text file: it holds NUL bytes");
    QCOMPARE(GenDatasheet(f.document().course()), before);
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::DataSheetWindowTest)
#include "data_sheet_window_test.moc"
