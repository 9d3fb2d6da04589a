// The main window driven as a user drives it: menus, file commands with their questions and
// messages, tool windows and the settings kept between runs.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTabWidget>
#include <QtTest>

#include "course/course_compare.h"
#include "course/course_files.h"
#include "course/new_course.h"
#include "preview/settings_file.h"
#include "preview/view_projection.h"
#include "rom/texture_dump.h"
#include "rom_builder.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "started_editor.h"
#include "test_courses.h"
#include "texture_rom.h"
#include "ui/editor_session.h"
#include "ui/file_commands.h"
#include "ui/preview_view.h"
#include "ui/preview_window.h"
#include "ui/recent_files.h"
#include "ui/tool_window.h"

namespace kurvex::test {

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Editor : StartedEditor {
    using StartedEditor::StartedEditor;
    void Trigger(const char* action) { window.action(action)->trigger(); }
    const Course& course() { return session.document().course(); }
  };

  QString Path(const char* name) const { return QString::fromStdString(dir_->Path(name)); }
  QString Config() const { return Path("config"); }
  QString SaveCourse(const char* name, const Course& course) const {
    const std::string path = dir_->Path(name);
    return SaveKurvFile(path, course).ok ? QString::fromStdString(path) : QString();
  }
  QString WriteRom(const char* name) const {
    const std::string path = dir_->Path(name);
    return TestRom::Filled('E').Write(path) ? QString::fromStdString(path) : QString();
  }

  std::unique_ptr<ScratchDir> dir_;

 private slots:
  void init() { dir_ = std::make_unique<ScratchDir>(); }

  void StartsWithTheNewCourseAndTheCriticalInfoOnAFirstRun() {
    Editor editor(Config());
    QCOMPARE(editor.course().Name, std::string("NEW TRACK"));
    QCOMPARE(int(editor.course().PointCount), 4);
    QVERIFY(editor.session.course_loaded());
    QVERIFY(!editor.session.document().IsModified());
    QCOMPARE(editor.window.windowTitle(),
             QString("Untitled[*] - Kurvex: F-Zero X - (No input ROM selected)"));
    QTRY_VERIFY(editor.window.findChild<QDialog*>() != nullptr);
    QCOMPARE(editor.window.findChild<QDialog*>()->windowTitle(), QString("Critical Info"));
    QVERIFY(!editor.window.action("mnuLoadCourse")->isEnabled());
    QVERIFY(!editor.window.action("mnuSaveTextures")->isEnabled());
    // The preview and the two property windows show at first; the check marks agree.
    for (int which : {kWindowPreview, kWindowElement, kWindowCourse}) {
      QVERIFY(editor.window.tool(which).isVisible());
      QVERIFY(editor.window.window_action(which).isChecked());
    }
  }

  void WindowMenuChecksFollowTheToolWindows() {
    Editor editor(Config());
    QAction& camera = editor.window.window_action(kWindowCamera);
    QVERIFY(!camera.isChecked());
    camera.trigger();
    QVERIFY(editor.window.tool(kWindowCamera).isVisible());
    QVERIFY(camera.isChecked());
    editor.window.tool(kWindowCamera).close();  // closing only hides it
    QVERIFY(!editor.window.tool(kWindowCamera).isVisible());
    QVERIFY(!camera.isChecked());

    // Minimising hides every tool window; restoring shows exactly the checked ones.
    editor.window.window_action(kWindowGraphics).trigger();
    editor.window.showMinimized();
    QTRY_VERIFY(!editor.window.tool(kWindowGraphics).isVisible());
    QVERIFY(!editor.window.tool(kWindowPreview).isVisible());
    QVERIFY(editor.window.window_action(kWindowGraphics).isChecked());
    editor.window.showNormal();
    QTRY_VERIFY(editor.window.tool(kWindowGraphics).isVisible());
    QVERIFY(editor.window.tool(kWindowPreview).isVisible());
    QVERIFY(!editor.window.tool(kWindowCamera).isVisible());
  }

  void OpenThenSaveAsWritesTheSameBytes() {
    Course ring = RingCourse(7);
    ring.Name = "RING";
    const QString source = SaveCourse("ring.kurv", ring);
    Editor editor(Config());
    editor.dialogs.file_names = {source, Path("copy")};
    editor.Trigger("mnuOpen");
    QCOMPARE(editor.course().Name, std::string("RING"));
    QVERIFY(!editor.session.document().CanUndo());  // a fresh history
    QVERIFY(!editor.window.action("mnuUndo")->isEnabled());
    editor.Trigger("mnuSaveAs");
    QVERIFY(editor.dialogs.messages.empty());
    QCOMPARE(FileBytes(dir_->Path("copy.kurv")), FileBytes(source.toStdString()));
    QVERIFY(editor.window.windowTitle().startsWith("copy.kurv[*] - Kurvex: F-Zero X"));
    QCOMPARE(editor.window.recent().files().first(), Path("copy.kurv"));
  }

  void SaveAsAsksBeforeReplacingAFile() {
    const QString existing = SaveCourse("old.kurv", RingCourse(5));
    const std::vector<uint8_t> before = FileBytes(existing.toStdString());
    Editor editor(Config());
    editor.dialogs.file_names = {Path("old")};
    editor.dialogs.yes_no = {false};
    editor.Trigger("mnuSaveAs");
    QCOMPARE(editor.dialogs.questions.size(), size_t{1});
    QCOMPARE(editor.dialogs.questions.back().caption, QString("Replace File"));
    QCOMPARE(editor.dialogs.questions.back().text,
             QString("The file \"old.kurv\" already exists.\nWould you like to replace it?"));
    QCOMPARE(FileBytes(existing.toStdString()), before);
    QVERIFY(editor.session.file_path().isEmpty());

    // Save without a file is Save As; a Yes replaces the file.
    editor.dialogs.file_names = {existing};
    editor.dialogs.yes_no = {true};
    editor.Trigger("mnuSave");
    QVERIFY(FileBytes(existing.toStdString()) != before);
    QCOMPARE(editor.session.file_path(), existing);

    // A name that ends in the extension in any case keeps its case and gets nothing appended.
    editor.dialogs.file_names = {Path("TRACK.KURV")};
    editor.Trigger("mnuSaveAs");
    QVERIFY(QFileInfo::exists(Path("TRACK.KURV")));
  }

  // The input ROM is only ever read: Save As through a link to it is refused with the reason,
  // and so is an export over the course's own file.
  void NeitherTheInputRomNorTheCoursesFileIsEverWrittenOver() {
    const QString rom = WriteRom("fzx.z64");
    const std::vector<uint8_t> rom_bytes = FileBytes(rom.toStdString());
    const QString ring = SaveCourse("ring.kurv", RingCourse(6));
    const std::vector<uint8_t> ring_bytes = FileBytes(ring.toStdString());
    QVERIFY(QFile::link(rom, Path("rom.kurv")));
    QVERIFY(QFile::link(ring, Path("model.obj")));
    Editor editor(Config());
    QVERIFY(editor.window.files().SelectInputRomPath(rom));
    QVERIFY(editor.window.files().OpenPath(ring));
    editor.session.document().AddPoint();
    editor.dialogs.file_names = {Path("rom.kurv")};
    editor.dialogs.yes_no = {true};  // replace the file that is there
    editor.Trigger("mnuSaveAs");
    QCOMPARE(editor.dialogs.MessageCaptions(), QStringList{"Save As"});
    QCOMPARE(editor.dialogs.messages[0].icon, MessageIcon::kCritical);
    QCOMPARE(editor.dialogs.messages[0].message.lines.back(),
             dir_->Path("rom.kurv") + ": is one of this command's inputs");
    QCOMPARE(FileBytes(rom.toStdString()), rom_bytes);
    QCOMPARE(editor.session.file_path(), ring);
    QVERIFY(editor.session.document().IsModified());

    editor.dialogs.Clear();
    editor.dialogs.file_names = {Path("model.obj")};
    editor.dialogs.yes_no = {true};
    editor.Trigger("mnuExportModel");
    QCOMPARE(editor.dialogs.MessageCaptions(), QStringList{"Export Model"});
    QVERIFY(editor.dialogs.messages[0].Text().contains(Path("model.obj")));
    QCOMPARE(FileBytes(ring.toStdString()), ring_bytes);
    QVERIFY(!QFileInfo::exists(Path("model.mtl")));

    // Saving the course over its own file is what Save is for.
    editor.Trigger("mnuSave");
    QCOMPARE(editor.dialogs.messages.size(), size_t{1});
    QVERIFY(FileBytes(ring.toStdString()) != ring_bytes);
  }

  void AFailedOpenLeavesTheCourseAsItWas() {
    Editor editor(Config());
    editor.session.document().SetBanking(45);
    const Course before = editor.course();
    QVERIFY(WriteText(dir_->Path("bad.kurv"), "KURV but not really"));
    editor.dialogs.save_choices = {SaveChoice::kDiscard};
    editor.dialogs.file_names = {Path("bad.kurv")};
    editor.Trigger("mnuOpen");
    QCOMPARE(editor.dialogs.messages.size(), size_t{1});
    QCOMPARE(editor.dialogs.messages[0].caption, QString("Select KURV F-Zero X Track"));
    QCOMPARE(editor.dialogs.messages[0].icon, MessageIcon::kCritical);
    QVERIFY(editor.course() == before);
    QVERIFY(editor.session.document().CanUndo());

    editor.dialogs.Clear();
    editor.dialogs.save_choices = {SaveChoice::kDiscard};
    editor.dialogs.file_names = {Path("missing.kurv")};
    editor.Trigger("mnuOpen");
    QCOMPARE(editor.dialogs.messages.at(0).icon, MessageIcon::kExclamation);
    QCOMPARE(editor.dialogs.messages.at(0).Text(),
             QString("The file selected could not be found.\nPlease select a different file."));
  }

  void OpenSaysWhyAFileIsRefusedAndWhatItDidNotTake() {
    Editor editor(Config());
    QDir().mkpath(Path("folder.kurv"));
    QVERIFY(!editor.window.files().OpenPath(Path("folder.kurv")));
    QVERIFY(editor.dialogs.messages.at(0).Text().endsWith(Path("folder.kurv") +
                                                          ": not a regular file (a folder)"));
    QVERIFY(WriteText(dir_->Path("big.txt"), "Name = BIG\r\nCTL_Point_Count = 65"));
    QVERIFY(editor.window.files().OpenPath(Path("big.txt")));
    QCOMPARE(editor.course().Name, std::string("BIG"));
    const ShownMessage& notice = editor.dialogs.messages.at(1);
    QCOMPARE(notice.icon, MessageIcon::kInformation);
    QVERIFY2(notice.Text().contains("CTL_Point_Count = 65"), qPrintable(notice.Text()));
  }

  void UnsavedChangesAreAskedAboutOnlyWhenModified() {
    Editor editor(Config());
    editor.dialogs.yes_no = {true};
    editor.Trigger("mnuNew");  // unmodified: the described question, nothing else
    QCOMPARE(editor.dialogs.questions.size(), size_t{1});
    QCOMPARE(editor.dialogs.questions[0].text,
             QString("Are you sure you want to start a new track?"));

    editor.dialogs.Clear();
    editor.session.document().SetWidth(true, 40);
    QVERIFY(editor.window.windowTitle().contains("[*]"));
    QVERIFY(editor.window.isWindowModified());
    editor.dialogs.save_choices = {SaveChoice::kCancel};
    editor.Trigger("mnuNew");
    QCOMPARE(editor.dialogs.questions.size(), size_t{1});
    QCOMPARE(editor.dialogs.questions[0].caption, QString("save changes"));
    QCOMPARE(editor.course().Points[1].LeftWidth, 400);  // cancelled

    editor.dialogs.save_choices = {SaveChoice::kCancel};
    editor.window.close();
    QVERIFY(editor.window.isVisible());  // Exit is cancelled too

    editor.dialogs.save_choices = {SaveChoice::kDiscard};
    editor.Trigger("mnuNew");
    QCOMPARE(editor.course().Points[1].LeftWidth, 260);
    QVERIFY(!editor.session.document().IsModified());
  }

  void NewDoesNotKeepTheFileToSaveOver() {
    const QString file = SaveCourse("mine.kurv", RingCourse(9));
    const std::vector<uint8_t> before = FileBytes(file.toStdString());
    Editor editor(Config());
    QVERIFY(editor.window.files().OpenPath(file));
    editor.dialogs.yes_no = {true};
    editor.Trigger("mnuNew");
    editor.Trigger("mnuSave");  // asks where, and the dialog is cancelled
    QCOMPARE(editor.dialogs.file_dialog_titles.last(), QString("Save KURV F-Zero X Track"));
    QCOMPARE(FileBytes(file.toStdString()), before);
  }

  void InputRomEnablesTheRomCommandsAndLoadsCourses() {
    const QString rom = WriteRom("fzx.z64");
    Editor editor(Config());
    QVERIFY(WriteText(dir_->Path("bad.z64"), std::string(1000, 'x')));
    editor.dialogs.file_names = {Path("bad.z64")};
    editor.Trigger("mnuInputROM");
    QCOMPARE(editor.dialogs.messages.at(0).caption, QString("Select Input ROM"));
    QVERIFY(!editor.session.rom_loaded());

    editor.dialogs.file_names = {rom};
    editor.Trigger("mnuInputROM");
    QVERIFY(editor.session.rom_loaded());
    QVERIFY(editor.window.action("mnuLoadCourse")->isEnabled());
    QVERIFY(editor.window.action("mnuROMTextures")->isEnabled());
    QVERIFY(editor.window.windowTitle().endsWith(" - Kurvex: F-Zero X"));

    // A bad ROM afterwards keeps the good one.
    editor.dialogs.file_names = {Path("bad.z64")};
    editor.Trigger("mnuInputROM");
    QCOMPARE(editor.session.input_rom(), rom);

    QVERIFY(editor.window.files().LoadCourseFromRom(3));
    QCOMPARE(int(editor.course().PointCount), 4 + 3 % 20);
    QCOMPARE(editor.course().Name, std::string("RING 3"));
    QCOMPARE(editor.session.course_slot(), 3);
    QVERIFY(!editor.session.document().CanUndo());
  }

  void ACourseOutOfViewIsFramedWhenOpened() {
    const QString small = SaveCourse("small.kurv", RingCourse(6, 3000));
    const QString big = SaveCourse("big.kurv", RingCourse(12, 30000));
    Editor editor(Config());
    editor.session.MoveCamera([](Camera& camera) {
      camera.Turn(20, 0);
      return true;
    });
    QVERIFY(editor.window.files().OpenPath(small));  // in view: the camera stays
    QCOMPARE(editor.session.camera().values().azimuth, 20.0);
    QVERIFY(editor.window.files().OpenPath(big));
    const CameraValues& camera = editor.session.camera().values();
    QCOMPARE(camera.azimuth, 0.0);
    QCOMPARE(camera.elevation, 270.0);
    QVERIFY(camera.y > 30);
    const PreviewView& view = editor.window.preview().view();
    for (int i : {1, 4, 7, 10}) {
      ScreenPoint screen;
      QVERIFY(ProjectToScreen(camera, view.width(), view.height(),
                              CtlPointPosition(editor.course(), i), &screen));
      QVERIFY(screen.x > 0 && screen.x < view.width() && screen.y > 0 && screen.y < view.height());
    }
  }

  void TheCameraKeptFromTheLastRunSurvivesStartUp() {
    Settings settings;
    settings.camera.x = -12.5;
    settings.camera.azimuth = 33;
    settings.windows[kWindowPreview] = {0.1, 0.2, 0.5, 0.5, true};
    QDir().mkpath(Config());
    QVERIFY(SaveSettingsFile(dir_->Path("config/opts.cfg"), settings) == kSettingsOk);
    Editor editor(Config());
    QVERIFY(editor.window.tool(kWindowPreview).isVisible());
    QCOMPARE(editor.session.camera().values().x, -12.5);
    QCOMPARE(editor.session.camera().values().azimuth, 33.0);
    // New is no opening either: the modder's view stays.
    editor.dialogs.yes_no = {true};
    editor.Trigger("mnuNew");
    QCOMPARE(editor.session.camera().values().azimuth, 33.0);
  }

  void NoTwoItemsOfAMenuShareAnAccessKey() {
    Editor editor(Config());
    editor.window.recent().Add(Path("a&b.kurv"));
    const auto access_key = [](const QString& text) {
      const int at = QString(text).replace("&&", "__").indexOf('&');
      return at < 0 ? QChar() : text.at(at + 1).toLower();
    };
    const QList<QMenu*> menus = editor.window.menuBar()->findChildren<QMenu*>();
    QVERIFY(menus.size() >= 6);
    for (QMenu* menu : menus) {
      QSet<QChar> keys;
      for (QAction* item : menu->actions()) {
        if (item->isSeparator()) continue;
        const QChar key = access_key(item->text());
        if (key.isNull()) continue;
        QVERIFY2(!keys.contains(key), qPrintable(menu->title() + ": " + item->text()));
        keys.insert(key);
      }
    }
    // The letters the File menu has always had stay.
    QCOMPARE(editor.window.action("mnuInputROM")->text(), QString("Select &Input ROM..."));
    QCOMPARE(editor.window.action("mnuFileTextures")->text(),
             QString("Load Textures from &File..."));
  }

  void EveryCommandWithAKeyShowsIt() {
    Editor editor(Config());
    const QList<std::pair<const char*, QKeySequence>> keys = {
        {"mnuNew", QKeySequence("Ctrl+N")},        {"mnuOpen", QKeySequence("Ctrl+O")},
        {"mnuSave", QKeySequence("Ctrl+S")},       {"mnuSaveAs", QKeySequence("Ctrl+Shift+S")},
        {"mnuExit", QKeySequence("Ctrl+Q")},       {"mnuUndo", QKeySequence("Ctrl+Z")},
        {"mnuRedo", QKeySequence("Ctrl+Shift+Z")}, {"mnuFrameCourse", QKeySequence("Home")},
        {"mnuTestEmulator", QKeySequence("F5")},   {"mnuContents", QKeySequence("F1")},
    };
    for (const auto& [name, key] : keys) {
      QCOMPARE(editor.window.action(name)->shortcut(), key);
      QVERIFY(!editor.window.action(name)->shortcut().isEmpty());
    }
  }

  void TheStatusLineShowsTheGameGlyphsOfTheName() {
    Course course = RingCourse(6);
    course.Name = "RAINBOW \xFD \xAB";
    const QString file = SaveCourse("greek.kurv", course);
    Editor editor(Config());
    QVERIFY(editor.window.files().OpenPath(file));
    const QString summary = editor.window.findChild<QLabel*>("lblCourseSummary")->text();
    QVERIFY2(summary.startsWith(QString::fromUtf8("RAINBOW \u03B2 \u30AB  |")),
             qPrintable(summary));
  }

  void TheMiscTabFitsItsWindowAndShowsTheHorizonNamesWhole() {
    Editor editor(Config());
    ToolWindow& course = editor.window.tool(kWindowCourse);
    course.findChild<QTabWidget*>("tabs")->setCurrentIndex(1);
    QApplication::processEvents();
    auto* scroll = course.findChild<QScrollArea*>("scrollMisc");
    const QSize needed = course.findChild<QWidget*>("contentMisc")->minimumSizeHint();
    QVERIFY2(needed.width() <= scroll->viewport()->width(),
             qPrintable(QString("%1 > %2").arg(needed.width()).arg(scroll->viewport()->width())));
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    auto* images = course.findChild<QComboBox*>("cmbHorizonImage");
    for (int i = 0; i < images->count(); ++i) {
      const int text = images->fontMetrics().horizontalAdvance(images->itemText(i));
      QVERIFY2(images->sizeHint().width() > text, qPrintable(images->itemText(i)));
    }
    QVERIFY(images->width() >= images->sizeHint().width());
  }

  void EditKeysWorkInEveryToolWindow() {
    Editor editor(Config());
    editor.session.document().SetBanking(45);
    ToolWindow& element = editor.window.tool(kWindowElement);
    QApplication::setActiveWindow(&element);  // there is no window manager here
    QTest::keyClick(element.findChild<QWidget*>("cmbCurPoint"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.course().Banking[1], 0);
  }

  void UndoKeysReachTheHistoryFromANumberBox() {
    Editor editor(Config());
    ToolWindow& element = editor.window.tool(kWindowElement);
    QApplication::setActiveWindow(&element);
    auto* x = element.findChild<QLineEdit*>("txtX");
    const float before = editor.course().Points[1].X;
    const QString shown = x->text();
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, "77");
    QTest::keyClick(x, Qt::Key_Tab);
    QCOMPARE(editor.course().Points[1].X, 770.0f);
    QWidget* next = QApplication::focusWidget();
    QVERIFY(qobject_cast<QLineEdit*>(next) != nullptr);  // Tab left the focus in a box
    QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.course().Points[1].X, before);
    QCOMPARE(x->text(), shown);
    QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor.course().Points[1].X, 770.0f);
    // From the box being typed in, Ctrl+Z undoes the typing as a step of the course.
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, "12");
    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.course().Points[1].X, 770.0f);
    // A box outside the editor's windows (a file dialog's, the help's) keeps its own text undo.
    editor.session.document().AddPoint();
    QLineEdit find;
    find.setText("zone");
    QTest::keyClick(&find, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(int(editor.course().PointCount), 5);
  }

  void TexturesFromTheRomAreKeptAndLoadedAgainFromADump() {
    const std::string rom = dir_->Path("textured.z64");
    QVERIFY(BuildTextureRom('E', MakeTextureRomSource(3)).Write(rom));
    Editor editor(Config());
    QVERIFY(editor.window.files().SelectInputRomPath(QString::fromStdString(rom)));
    QVERIFY(!editor.window.action("mnuSaveTextures")->isEnabled());
    editor.Trigger("mnuROMTextures");
    QVERIFY(editor.dialogs.messages.empty());
    QVERIFY(editor.session.textures_loaded());
    QVERIFY(editor.window.action("mnuSaveTextures")->isEnabled());
    editor.dialogs.file_names = {Path("store")};
    editor.Trigger("mnuSaveTextures");
    QCOMPARE(QFileInfo(Path("store.tex")).size(), qint64(kTexDumpSize));

    // A file that is no dump is refused with the described words, and changes nothing.
    QVERIFY(WriteText(dir_->Path("bad.tex"), "not a dump"));
    editor.dialogs.file_names = {Path("bad.tex")};
    editor.Trigger("mnuFileTextures");
    QCOMPARE(editor.dialogs.messages.at(0).icon, MessageIcon::kExclamation);
    QVERIFY(editor.dialogs.messages.at(0).Text().startsWith(
        "The selected file is not an F-Zero X\ntexture dump."));
    editor.dialogs.file_names = {Path("store.tex")};
    editor.Trigger("mnuFileTextures");
    QCOMPARE(editor.dialogs.messages.size(), size_t{1});
  }

  void ExportModelWritesTheCourseAsAnObjModel() {
    Editor editor(Config());
    editor.dialogs.file_names = {Path("course")};
    editor.Trigger("mnuExportModel");
    QVERIFY(editor.dialogs.messages.empty());
    QVERIFY(QFileInfo(Path("course.obj")).size() > 1000);
    QVERIFY(QFileInfo::exists(Path("course.mtl")));
  }

  void UndoAndRedoNameTheirStep() {
    Editor editor(Config());
    QAction* undo = editor.window.action("mnuUndo");
    QVERIFY(!undo->isEnabled());
    editor.session.document().AddPoint();
    QCOMPARE(undo->text(), QString("&Undo Add Point"));
    undo->trigger();
    QCOMPARE(int(editor.course().PointCount), 4);
    QCOMPARE(editor.window.action("mnuRedo")->text(), QString("&Redo Add Point"));
  }

  void SettingsAndRecentFilesSurviveARestart() {
    const QString file = SaveCourse("ring.kurv", RingCourse(6));
    {
      Editor editor(Config());
      editor.window.files().OpenPath(file);
      editor.session.ChangeGraphics([](GraphicsSettings& s) { s.wireframe = true; },
                                    GraphicsChange::kFrame);
      editor.session.MoveCamera([](Camera& camera) {
        camera.Turn(30, 0);
        return true;
      });
      editor.window.window_action(kWindowCamera).trigger();
      editor.window.window_action(kWindowElement).trigger();  // hidden
      editor.window.close();
    }
    Editor editor(Config());
    QVERIFY(editor.window.findChild<QDialog*>() == nullptr);  // not a first run any more
    QVERIFY(editor.session.graphics().wireframe);
    QCOMPARE(editor.session.camera().values().azimuth, 30.0);
    QVERIFY(editor.window.tool(kWindowCamera).isVisible());
    QVERIFY(!editor.window.tool(kWindowElement).isVisible());
    QVERIFY(!editor.window.window_action(kWindowElement).isChecked());
    QCOMPARE(editor.window.recent().files(), QStringList{file});
  }

  void DamagedSettingsPassTheBoxRules() {
    Settings settings;
    settings.camera.x = 1e9;
    settings.camera.coord_speed = std::numeric_limits<double>::quiet_NaN();
    settings.graphics.segment_distance = std::numeric_limits<double>::quiet_NaN();
    settings.graphics.floor_transparency_percent = 500;
    QDir().mkpath(Config());
    QVERIFY(SaveSettingsFile(dir_->Path("config/opts.cfg"), settings) == kSettingsOk);
    Editor editor(Config());
    QCOMPARE(editor.session.camera().values().x, 50.0);
    QCOMPARE(editor.session.camera().values().coord_speed, 0.1);
    QCOMPARE(editor.session.graphics().segment_distance, 0.25);
    QCOMPARE(int(editor.session.graphics().floor_transparency_percent), 100);
    QVERIFY(!editor.session.document().IsModified());
    QVERIFY(!editor.session.document().CanUndo());
  }

  // A settings file that ends early (here at every length from empty to one byte short) keeps
  // what it holds, says "Unable to load settings", and lays the windows out as on a first run.
  void ASettingsFileThatEndsEarlyStartsWithTheFirstRunLayout() {
    Settings settings;
    settings.graphics.wireframe = true;
    const std::vector<uint8_t> whole = EncodeSettings(settings);
    QDir().mkpath(Config());
    for (size_t length : {size_t{0}, size_t{1}, size_t{100}, whole.size() - 1}) {
      QVERIFY(WriteBytes(dir_->Path("config/opts.cfg"),
                         std::vector<uint8_t>(whole.begin(), whole.begin() + length)));
      Editor editor(Config());
      QTRY_COMPARE(editor.dialogs.MessageCaptions(), QStringList{"Load Settings"});
      QCOMPARE(editor.dialogs.messages[0].icon, MessageIcon::kCritical);
      QCOMPARE(editor.dialogs.messages[0].Text(), QString("Unable to load settings"));
      QCOMPARE(editor.session.graphics().wireframe, length >= 100);
      for (int which : {kWindowPreview, kWindowElement}) {
        QVERIFY2(editor.window.tool(which).isVisible(), qPrintable(QString::number(length)));
      }
      QVERIFY(editor.window.findChild<QDialog*>() == nullptr);  // no Critical Info
      editor.window.close();
    }
  }

  // 501 bytes of 0x7F: every number huge. Each window opens wholly on the screen, no larger
  // than it (or than the window's own smallest size).
  void HugeSettingsPlaceEveryWindowOnTheScreen() {
    QDir().mkpath(Config());
    QVERIFY(
        WriteBytes(dir_->Path("config/opts.cfg"), std::vector<uint8_t>(kSettingsFileSize, 0x7F)));
    Editor editor(Config());
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    for (int which = 0; which < kToolWindowCount; ++which) {
      const ToolWindow& tool = editor.window.tool(which);
      const QSize smallest = tool.minimumSizeHint();
      QVERIFY(tool.isVisible());
      QVERIFY2(screen.contains(tool.pos()), qPrintable(QString::number(which)));
      QVERIFY(tool.width() <= std::max(screen.width(), smallest.width()));
      QVERIFY(tool.height() <= std::max(screen.height(), smallest.height()));
    }
    QVERIFY(editor.dialogs.messages.empty());
  }

  void HelpSaysOnlyWhenThePageIsMissing() {
    // The tests have no help folder beside them.
    QVERIFY(!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/help/Contents.html"));
    Editor editor(Config());
    editor.Trigger("mnuContents");
    QCOMPARE(editor.dialogs.messages.back().Text(), QString("Help files not found."));
    QCOMPARE(editor.dialogs.messages.back().caption, QString("Help Contents"));
    QVERIFY(editor.dialogs.opened.empty());  // nothing is left to an outside program
    QWidget* help = editor.window.findChild<QWidget*>("frmHelp");
    QVERIFY(help == nullptr || !help->isVisible());
  }

  void CommandsThatTakeTheCourseEndTheTypingFirst() {
    Editor editor(Config());
    // Typing into a box, not yet left: the course has the number, unsettled.
    editor.session.document().SetCoordinate(kAxisX, 123.5, CourseDocument::Entry::kTyping);
    QVERIFY(editor.session.document().InGesture());
    // Saving takes the course as it stands: the typing is a step of its own first.
    editor.dialogs.file_names = {Path("typed.kurv")};
    editor.Trigger("mnuSave");
    QVERIFY(!editor.session.document().InGesture());
    Course saved;
    QVERIFY(LoadKurvFile(Path("typed.kurv").toStdString(), saved).ok);
    QCOMPARE(saved.Points[1].X, 1235.0f);
    QVERIFY(!editor.session.document().IsModified());
    // A command that does not take the course leaves the typing open.
    editor.session.document().SetCoordinate(kAxisX, 7, CourseDocument::Entry::kTyping);
    editor.Trigger("mnuFrameCourse");
    QVERIFY(editor.session.document().InGesture());
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::MainWindowTest)
#include "main_window_test.moc"
