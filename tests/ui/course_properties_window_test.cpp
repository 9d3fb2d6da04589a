// The Course Properties window driven as a user drives it: typing into the game text fields,
// the special-character palette, the lists, the horizons and the statistics, every edit an
// undoable document step. Also the game font's pictures against the code tables.
#include "ui/course_properties_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>
#include <stdexcept>
#include <utility>

#include "course/game_text.h"
#include "course/new_course.h"
#include "editing/edit_result.h"
#include "editing/property_lists.h"
#include "editing/special_characters.h"
#include "scratch_dir.h"
#include "scripted_dialogs.h"
#include "synthetic_textures.h"
#include "test_courses.h"
#include "ui/editor_session.h"
#include "ui/game_font.h"
#include "ui/game_text_box.h"
#include "ui/main_window.h"
#include "ui/special_character_palette.h"

namespace kurvex::test {

namespace {

std::string Codes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s.push_back(static_cast<char>(c));
  return s;
}

// The columns and rows of a picture's cell that are not black, as a box (empty when none).
QRect Ink(const QImage& image, const QRect& cell) {
  QRect ink;
  for (int y = cell.top(); y <= cell.bottom(); ++y) {
    for (int x = cell.left(); x <= cell.right(); ++x) {
      if (qGray(image.pixel(x, y)) > 0) ink |= QRect(x - cell.left(), y - cell.top(), 1, 1);
    }
  }
  return ink;
}

}  // namespace

class CoursePropertiesWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    explicit Fixture(const Course& course) : window(session, dialogs, nullptr) {
      session.document().Replace(course);
      window.show();
      window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    template <typename T>
    T* Find(const char* name) {
      T* widget = window.findChild<T*>(name);
      if (!widget) qFatal("no control %s", name);
      return widget;
    }
    GameTextBox* Box(const char* name) {
      GameTextBox* box = Find<GameTextBox>(name);
      box->setFocus();
      return box;
    }
    void ShowTab(int tab) { Find<QTabWidget>("tabs")->setCurrentIndex(tab); }
    const Course& course() { return session.document().course(); }
    QString Label(const char* name) { return Find<QLabel>(name)->text(); }

    EditorSession session;
    ScriptedDialogs dialogs;
    CoursePropertiesWindow window;
  };

  static Course Named(const std::string& name) {
    Course course = NewCourse();
    course.Name = name;
    return course;
  }

 private slots:
  void NameTakesTwentyCodesAndStillEditsWhenFull() {
    Fixture f(Named(""));
    GameTextBox* name = f.Box("picName");
    QTest::keyClicks(name, "abcdefghijklmnopqrstuvwxyz");
    QCOMPARE(f.course().Name, std::string("ABCDEFGHIJKLMNOPQRST"));
    QCOMPARE(name->text(), f.course().Name);
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClick(name, Qt::Key_Left);
    QTest::keyClick(name, Qt::Key_Left);
    QTest::keyClick(name, Qt::Key_Delete);
    QTest::keyClick(name, Qt::Key_Right);
    QTest::keyClick(name, Qt::Key_Right);  // at the end already
    QTest::keyClick(name, Qt::Key_Z);
    QCOMPARE(f.course().Name, std::string("ABCDEFGHIJKLMNOPQSZ"));
    QCOMPARE(name->insertion_x(), GameGlyphWidths().GetWidth(f.course().Name));
    QVERIFY(name->caret_shown());
    QTRY_VERIFY_WITH_TIMEOUT(!name->caret_shown(), 5000);  // it blinks
    QTRY_VERIFY_WITH_TIMEOUT(name->caret_shown(), 5000);
    // The keystrokes are one step, settled when the field is left.
    f.Find<QLineEdit>("txtSource")->setFocus();
    QCOMPARE(QString::fromStdString(f.session.document().UndoName()), QString("Edit Name"));
    QVERIFY(f.session.document().Undo());
    QCOMPARE(f.course().Name, std::string());
    QCOMPARE(name->text(), std::string());
  }

  void TypingFollowsEachFieldsRules() {
    Course course = Named("AB");
    course.Description = "";
    course.JDescription = "";
    Fixture f(course);
    GameTextBox* description = f.Box("picDescription");
    QTest::keyClick(description, Qt::Key_C, Qt::ShiftModifier);
    QTest::keyClick(description, Qt::Key_R, Qt::ShiftModifier);
    QTest::keyClick(description, Qt::Key_B, Qt::ShiftModifier);
    QTest::keyClicks(description, "s 1");
    QCOMPARE(f.course().Description, Codes({0x63, 0x72, 'B', 'S', ' ', '1'}));
    GameTextBox* japanese = f.Box("picJapanese");
    QTest::keyClicks(japanese, "mabdes");
    QTest::keyClick(japanese, Qt::Key_Period);
    QCOMPARE(f.course().JDescription, std::string("MADE"));  // only A, D, E, M; no full stop
    GameTextBox* name = f.Box("picName");
    QTest::keyClick(name, Qt::Key_C, Qt::ShiftModifier);
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);  // a shortcut, not a letter
    QCOMPARE(f.course().Name, std::string("CAB"));
  }

  // The window system numbers Delete like '.', Left like '%' and Right like the apostrophe.
  void FullStopTypesAndDeleteDeletes() {
    Fixture f(Named("AB"));
    GameTextBox* name = f.Box("picName");
    QTest::keyClick(name, Qt::Key_Right);
    QTest::keyClick(name, Qt::Key_Period);
    QCOMPARE(f.course().Name, std::string("A.B"));
    QTest::keyClick(name, Qt::Key_Percent);
    QTest::keyClick(name, Qt::Key_Apostrophe);
    QTest::keyClick(name, Qt::Key_Backspace, Qt::NoModifier);
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(f.course().Name, std::string("A"));
    QCOMPARE(name->insertion_x(), GameGlyphWidths().Width('A'));
  }

  void ClickPlacesTheInsertionPoint() {
    Fixture f(Named("NEW TRACK"));  // boundaries at 0, 11, 21, 35, ...
    GameTextBox* name = f.Box("picName");
    QTest::mouseClick(name, Qt::LeftButton, {}, name->PositionOf(20));
    QCOMPARE(name->insertion_x(), 21);
    QTest::keyClick(name, Qt::Key_X);
    QCOMPARE(f.course().Name, std::string("NEXW TRACK"));
    QTest::mouseClick(name, Qt::LeftButton, {}, name->PositionOf(4));
    QCOMPARE(name->insertion_x(), 0);
  }

  void PaletteInsertsTheActiveFieldsCode() {
    Course course = Named("");
    course.Description = "";
    course.JDescription = "";
    Fixture f(course);
    auto* palette = f.Find<SpecialCharacterPalette>("picSpecial");
    const auto click = [&](int cell) {
      QTest::mouseClick(palette, Qt::LeftButton, {}, palette->CellCentre(cell));
    };
    f.Box("picName");
    for (int cell : {12, 17, 108, 0, 111}) click(cell);  // colon, kana, alpha, blank, dash
    QCOMPARE(f.course().Name, Codes({58, 0xFC}));
    QVERIFY(f.Find<GameTextBox>("picName")->hasFocus());  // the palette takes no focus
    f.Box("picDescription");
    QCOMPARE(palette->active_field(), TextFieldKind::kDescription);
    for (int cell : {12, 17, 108, 14, 111}) click(cell);  // the comma cell is refused
    QCOMPARE(f.course().Description, Codes({0xA1, '.', 0xFF}));
    f.Box("picJapanese");
    for (int cell : {13, 14, 95}) click(cell);
    QCOMPARE(f.course().JDescription, Codes({'-', 0xEF}));
    QCOMPARE(QString::fromStdString(f.session.document().UndoName()),
             QString("Edit Japanese Description"));
    // A full field takes nothing more from the palette.
    f.session.document().FinishTyping();
    f.session.document().Replace(Named(std::string(20, 'A')));
    f.Box("picName");
    click(1);
    QCOMPARE(f.course().Name, std::string(20, 'A'));
  }

  void CellsTheActiveFieldCannotTakeAreDimmedAndSayWhy() {
    Fixture f(NewCourse());
    auto* palette = f.Find<SpecialCharacterPalette>("picSpecial");
    // A corner pixel of a cell: the background, shaded or not.
    const auto corner = [&](int cell) {
      const QPoint at = palette->CellCentre(cell) - QPoint(6, 6) * palette->Zoom();
      return palette->grab().toImage().pixel(at);
    };
    f.Box("picName");
    const QRgb name_comma = corner(12), name_kana = corner(17);
    f.Box("picDescription");
    const QRgb description_comma = corner(12), description_minus = corner(13);
    QVERIFY(name_kana != description_minus);  // shaded and plain differ
    QCOMPARE(description_comma, name_kana);   // the comma is shaded in the description
    QCOMPARE(name_comma, description_minus);  // and plain in the name (its colon)
    QCOMPARE(palette->RefusalAt(palette->CellCentre(12)),
             QString("The game's descriptions cannot hold a comma."));
    QVERIFY(palette->RefusalAt(palette->CellCentre(13)).isEmpty());
    QHelpEvent help(QEvent::ToolTip, palette->CellCentre(12),
                    palette->mapToGlobal(palette->CellCentre(12)));
    QApplication::sendEvent(palette, &help);
    QCOMPARE(QToolTip::text(), QString("The game's descriptions cannot hold a comma."));
  }

  void SourceIsStoredWhileTyping() {
    Fixture f(NewCourse());
    auto* source = f.Find<QLineEdit>("txtSource");
    QCOMPARE(source->text().toStdString(), f.course().Source);
    source->setFocus();
    source->selectAll();
    QTest::keyClicks(source, "Mine");
    QCOMPARE(f.course().Source, std::string("Mine"));
    QCOMPARE(source->cursorPosition(), 4);
    f.Box("picName");
    QCOMPARE(QString::fromStdString(f.session.document().UndoName()), QString("Change Source"));
  }

  void MusicListsMapBothWays() {
    Course course = NewCourse();
    course.RomMusic = 24;
    course.EkMusic = 33;
    Fixture f(course);
    auto* rom = f.Find<QComboBox>("cmbMusic1");
    auto* ek = f.Find<QComboBox>("cmbMusic2");
    QCOMPARE(rom->currentIndex(), 16);
    QCOMPARE(rom->currentText(), QString("Death Race"));
    QCOMPARE(ek->currentIndex(), 10);
    QCOMPARE(ek->currentText(), QString("Big Foot"));
    rom->setCurrentIndex(0);
    QCOMPARE(int(f.course().RomMusic), 255);
    rom->setCurrentIndex(10);
    QCOMPARE(int(f.course().RomMusic), 13);
    ek->setCurrentIndex(13);
    QCOMPARE(int(f.course().EkMusic), 36);
    ek->setCurrentIndex(8);
    QCOMPARE(int(f.course().EkMusic), 8);

    // A number without an entry shows entry 0 and is kept.
    Course unlisted = NewCourse();
    unlisted.EkMusic = 255;
    f.session.document().Replace(unlisted);
    QCOMPARE(ek->currentIndex(), 0);
    QCOMPARE(int(f.course().EkMusic), 255);
    QVERIFY(!f.session.document().CanUndo());
  }

  void VenueChangeIsOneStepAndRebuildsTheSurfaces() {
    Fixture f(NewCourse());
    std::vector<DocumentChange> changes;
    connect(&f.session, &EditorSession::documentChanged,
            [&](const DocumentChange& change) { changes.push_back(change); });
    f.ShowTab(1);
    auto* venue = f.Find<QComboBox>("cmbVenue");
    QCOMPARE(f.Label("lblEFriendly"), QString("Yes"));
    venue->setCurrentIndex(10);  // GP Ending: not for the Expansion Kit
    QCOMPARE(int(f.course().Venue), 10);
    QCOMPARE(changes.size(), size_t(1));
    QVERIFY(changes[0].venue);
    QCOMPARE(QString::fromStdString(f.session.document().UndoName()), QString("Change Venue"));
    QCOMPARE(f.Label("lblEFriendly"), QString("No"));
    auto* sky = f.Find<QComboBox>("cmbSky");
    sky->setCurrentIndex(6);
    QCOMPARE(int(f.course().Sky), 6);
    QVERIFY(!changes.back().venue);
    QVERIFY(f.session.document().Undo());
    QVERIFY(f.session.document().Undo());
    QCOMPARE(int(f.course().Venue), 0);
    QCOMPARE(venue->currentIndex(), 0);
    QCOMPARE(f.Label("lblEFriendly"), QString("Yes"));
    QVERIFY(!f.session.document().CanUndo());
  }

  void StatisticsFollowEveryEdit() {
    Course course = RingCourse(8);
    for (int i = 1; i <= 8; ++i) course.Points[i].TrackCode = 2;
    course.Points[5].TrackCode = 0;
    course.Points[6].TrackCode = 0;
    Fixture f(course);
    QCOMPARE(f.Label("lblPoints"), QString("8"));
    QCOMPARE(f.Label("lblLap"), QString("Segment 6"));
    QCOMPARE(f.Label("lblDash"), QString("0"));
    const QString length = f.Label("lblLength");
    QVERIFY(length.toDouble() > 0);
    f.session.document().SelectPoint(3);
    QCOMPARE(f.session.document().SetFeature(&Course::DashPlate, 1), int16_t(kEditOk));
    QCOMPARE(f.Label("lblDash"), QString("1"));
    QCOMPARE(f.session.document().AddPoint(), int16_t(kEditOk));
    QCOMPARE(f.Label("lblPoints"), QString("9"));
    QVERIFY(f.Label("lblLength") != length);
  }

  void HorizonsAddDeleteAndAngle() {
    Fixture f(NewCourse());
    f.ShowTab(1);
    auto* add = f.Find<QPushButton>("cmdAdd");
    auto* remove = f.Find<QPushButton>("cmdDelete");
    auto* element = f.Find<QComboBox>("cmbHorizonElement");
    auto* image = f.Find<QComboBox>("cmbHorizonImage");
    auto* angle = f.Find<QLineEdit>("txtAngle");
    QCOMPARE(image->count(), 55);
    QVERIFY(!remove->isEnabled() && !image->isEnabled() && add->isEnabled());
    for (int i = 1; i <= 6; ++i) QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(int(f.course().HorizonCount), 6);
    QVERIFY(!add->isEnabled());
    QCOMPARE(element->count(), 6);
    QCOMPARE(f.window.horizon_entry(), 6);
    QCOMPARE(image->currentIndex(), 0);
    QCOMPARE(angle->text(), QString("0.000"));

    element->setCurrentIndex(2);  // entry 3
    image->setCurrentIndex(42);
    QCOMPARE(int(f.course().HorizonImage[3]), 43);
    angle->setFocus();
    angle->selectAll();
    QTest::keyClicks(angle, "-90");
    QCOMPARE(f.course().HorizonAngle[3], 270.0f);
    QCOMPARE(angle->text(), QString("-90"));  // not rewritten while typed in
    QTest::keyClick(angle, Qt::Key_Return);
    QCOMPARE(angle->text(), QString("270.000"));
    angle->selectAll();
    angle->insert("1e999");  // pasted, refused: the stored angle again
    QCOMPARE(f.course().HorizonAngle[3], 270.0f);
    QCOMPARE(angle->text(), QString("270.000"));

    QTest::mouseClick(remove, Qt::LeftButton);  // entry 3 goes, 4 moves down
    QCOMPARE(int(f.course().HorizonCount), 5);
    QCOMPARE(f.window.horizon_entry(), 3);
    QCOMPARE(image->currentIndex(), 0);
    element->setCurrentIndex(4);
    QTest::mouseClick(remove, Qt::LeftButton);  // the last: the new last is selected
    QCOMPARE(f.window.horizon_entry(), 4);
    for (int i = 0; i < 4; ++i) QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(int(f.course().HorizonCount), 0);
    QVERIFY(!remove->isEnabled() && !element->isEnabled() && !angle->isEnabled());
    QVERIFY(add->isEnabled());
    QCOMPARE(QString::fromStdString(f.session.document().UndoName()), QString("Delete Horizon"));
    QVERIFY(f.session.document().Undo());
    QCOMPARE(element->count(), 1);
    QCOMPARE(f.window.horizon_entry(), 1);
    QVERIFY(remove->isEnabled());
  }

  void HorizonPreviewShowsTheImageOnceTexturesAreLoaded() {
    Course course = NewCourse();
    course.HorizonCount = 1;
    course.HorizonImage[1] = 2;
    Fixture f(course);
    f.ShowTab(1);
    auto* preview = f.Find<QLabel>("picPreview");
    auto* none = f.Find<QLabel>("lblNoPreview");
    QVERIFY(none->isVisible() && !preview->isVisible());
    QCOMPARE(none->text(), QString("No Preview Available"));
    TextureStore store = MakeSyntheticTextureStore();
    f.session.textures().Swap(store);
    f.session.TexturesLoaded();
    QVERIFY(preview->isVisible() && !none->isVisible());
    const QImage shown = preview->pixmap().toImage();
    const TextureImage texture = f.session.textures().HorizonTexture(2);
    const uint8_t* left = texture.pixels;  // the top left pixel, drawn 2 x 2
    const uint8_t* right = texture.pixels + 63 * 4;
    QCOMPARE(shown.size(), QSize(128, 128));
    QCOMPARE(QColor(shown.pixel(1, 1)), QColor(left[0], left[1], left[2]));
    QCOMPARE(QColor(shown.pixel(126, 1)), QColor(right[0], right[1], right[2]));
    QVERIFY(QColor(shown.pixel(1, 1)) != QColor(shown.pixel(126, 1)));
  }

  // Undo and Redo from the main window's Edit menu: the course comes back and the window
  // shows it.
  void UndoAfterAWindowEditRestoresTheCourseEverywhere() {
    ScratchDir dir;
    EditorSession session;
    ScriptedDialogs dialogs;
    MainWindow main(session, dialogs, QString::fromStdString(dir.Path("config")),
                    QString::fromStdString(dir.Path("cache")));
    // Not started, and no events processed: the preview has no GL on the offscreen platform.
    session.document().Replace(NewCourse());
    auto& window = static_cast<CoursePropertiesWindow&>(main.tool(kWindowCourse));
    auto* name = window.findChild<GameTextBox*>("picName");
    auto* venue = window.findChild<QComboBox*>("cmbVenue");
    name->setFocus();
    QTest::keyClicks(name, "QX");
    venue->setCurrentIndex(4);
    QCOMPARE(session.document().course().Name, std::string("QXNEW TRACK"));
    QAction* undo = main.action("mnuUndo");
    QCOMPARE(undo->text(), QString("&Undo Change Venue"));
    undo->trigger();
    QCOMPARE(venue->currentIndex(), 0);
    QCOMPARE(undo->text(), QString("&Undo Edit Name"));
    undo->trigger();
    QCOMPARE(session.document().course().Name, std::string("NEW TRACK"));
    QCOMPARE(name->text(), std::string("NEW TRACK"));
    main.action("mnuRedo")->trigger();
    QCOMPARE(name->text(), std::string("QXNEW TRACK"));
    QVERIFY(dialogs.messages.empty());
  }

  // Every cell of both pictures shows the glyph of its code, and a glyph stays inside its
  // advance, so text drawn glyph over glyph never cuts one off.
  void FontPicturesAgreeWithTheCodeTables() {
    const GameFont font;
    QVERIFY(font.Valid());
    QCOMPARE(font.glyphs().size(), QSize(256, 256));
    QCOMPARE(font.palette().size(), QSize(256, 112));
    const GlyphWidths& widths = GameGlyphWidths();
    for (int code = 0; code < 256; ++code) {
      const QRect ink = Ink(font.glyphs(), GameFont::GlyphCell(code));
      const QByteArray which = QByteArray::number(code, 16);
      QVERIFY2(!ink.isEmpty() == (HasGlyph(code) && code != ' '), which);
      if (!ink.isEmpty()) QVERIFY2(ink.right() < widths.Width(code) - 1, which);
    }
    for (int cell = 0; cell < kPaletteCells; ++cell) {
      const QRect at((cell % 16) * 16, (cell / 16) * 16, 16, 16);
      const QRect ink = Ink(font.palette(), at);
      const int code = PaletteGlyphCode(cell);
      QVERIFY2(!ink.isEmpty() == (code >= 0), QByteArray::number(cell));
      if (code < 0) continue;
      const QRect glyph_cell = GameFont::GlyphCell(code);
      const QRect glyph_ink = Ink(font.glyphs(), glyph_cell);
      QCOMPARE(ink.size(), glyph_ink.size());
      QCOMPARE(font.palette().copy(ink.translated(at.topLeft())),
               font.glyphs().copy(glyph_ink.translated(glyph_cell.topLeft())));
    }
  }

  void AFailingEditLeavesTheEditorRunningWithAMessage() {
    Fixture f(NewCourse());
    // A listener that fails once, as a broken part of the editor would.
    bool fail = true;
    const int listener = f.session.document().AddListener([&fail](const DocumentChange&) {
      if (std::exchange(fail, false)) throw std::runtime_error("a listener failed");
    });
    f.Find<QComboBox>("cmbVenue")->setCurrentIndex(3);
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Course Properties"});
    QCOMPARE(f.dialogs.messages.back().Text(), QString("An unknown error has occurred."));
    // The window goes on: the next edit is taken and shown.
    f.session.document().RemoveListener(listener);
    f.Find<QComboBox>("cmbSky")->setCurrentIndex(2);
    QCOMPARE(SkyIndex(f.course().Sky), 2);
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::CoursePropertiesWindowTest)
#include "course_properties_window_test.moc"
