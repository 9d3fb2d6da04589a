// The Graphics Settings window driven as a user drives it: colour, transparency and segment
// distance boxes by their rules, check boxes and options writing the settings and telling the
// preview what to rebuild, and the window following settings changed elsewhere.
#include "ui/graphics_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>
#include <stdexcept>
#include <utility>
#include <vector>

#include "scripted_dialogs.h"
#include "ui/editor_session.h"

namespace kurvex::test {

class GraphicsWindowTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    Fixture() : window(session, dialogs, nullptr) {
      QObject::connect(&session, &EditorSession::graphicsChanged,
                       [this](GraphicsChange what) { told.push_back(what); });
      window.show();
    }
    EditorSession session;
    ScriptedDialogs dialogs;
    GraphicsWindow window;
    std::vector<GraphicsChange> told;

    const GraphicsSettings& settings() { return session.graphics(); }
    QLineEdit* Box(const char* name) { return window.findChild<QLineEdit*>(name); }
    QAbstractButton* Button(const char* name) { return window.findChild<QAbstractButton*>(name); }
    void Type(const char* box, const QString& text) {
      Box(box)->selectAll();
      QTest::keyClicks(Box(box), text);
    }
    void Paste(const char* box, const QString& text) {
      Box(box)->selectAll();
      Box(box)->insert(text);
    }
    void Leave(const char* box) { QTest::keyClick(Box(box), Qt::Key_Return); }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
  };

 private slots:
  void ShowsTheSettingsWithTheirLabels() {
    Fixture f;
    auto* tabs = f.window.findChild<QTabWidget*>("tabGraphics");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0) + tabs->tabText(1) + tabs->tabText(2),
             QString("GridlinesPolygonsFeatures"));
    QCOMPARE(f.Box("txtFloorGrid")->text(), QString("CCCCCC"));
    QCOMPARE(f.Box("txtCTLDots")->text(), QString("FF6600"));
    QVERIFY(f.Button("chkACTLDots")->isChecked());
    QVERIFY(!f.Button("chkAFloorGrid")->isChecked());
    QCOMPARE(f.Box("txtDistance")->text(), QString("0.25"));
    QCOMPARE(f.Box("txtTunnelTransparency")->text(), QString("50"));
    QVERIFY(f.Button("optSkyColor")->isChecked());
    QVERIFY(!f.Button("chkFiltering")->isChecked());
    QCOMPARE(f.Button("chkMidHeight")->text(), QString("Short Bulidings"));
    QCOMPARE(f.Button("optDefineColor")->text(), QString("Define Color:"));
    QCOMPARE(f.Button("chkTunnelTransparency")->text(), QString("Transparency (%)"));
  }

  void ColourBoxesTakeHexDigitsAndSnapBack() {
    Fixture f;
    f.Type("txtFloorGrid", "abc");
    QCOMPARE(f.settings().lines[kLineFloorGrid].colour, (Rgb{0x00, 0x0A, 0xBC}));
    QCOMPARE(f.told.back(), GraphicsChange::kFrame);
    f.Leave("txtFloorGrid");
    QCOMPARE(f.Box("txtFloorGrid")->text(), QString("000ABC"));
    f.Paste("txtFloorGrid", "12G");  // not all hexadecimal: the colour stays
    QCOMPARE(f.settings().lines[kLineFloorGrid].colour, (Rgb{0x00, 0x0A, 0xBC}));
    f.Leave("txtFloorGrid");
    QCOMPARE(f.Box("txtFloorGrid")->text(), QString("000ABC"));
    f.Type("txtClearColor", " 80ff00 ");
    QCOMPARE(f.settings().clear_colour, (Rgb{0x80, 0xFF, 0x00}));
    f.Leave("txtClearColor");
    QCOMPARE(f.Box("txtClearColor")->text(), QString("80FF00"));
  }

  void NumberBoxesKeepTheirRanges() {
    Fixture f;
    f.Type("txtTunnelTransparency", "150");
    QCOMPARE(f.settings().tunnel_transparency_percent, int16_t(100));
    f.Leave("txtTunnelTransparency");
    QCOMPARE(f.Box("txtTunnelTransparency")->text(), QString("100"));
    f.Type("txtFloorTransparency", "-5");
    QCOMPARE(f.settings().floor_transparency_percent, int16_t(0));
    f.Type("txtFloorTransparency", "37.6");
    QCOMPARE(f.settings().floor_transparency_percent, int16_t(38));
    f.Paste("txtFloorTransparency", "1e999");
    QCOMPARE(f.settings().floor_transparency_percent, int16_t(38));
    // The segment distance is stored as typed and prepares the course again on leaving.
    f.told.clear();
    f.Type("txtDistance", "0");
    QCOMPARE(f.settings().segment_distance, 0.01);
    QVERIFY(f.told.empty());
    f.Leave("txtDistance");
    QCOMPARE(f.Box("txtDistance")->text(), QString("0.01"));
    QCOMPARE(f.told, std::vector<GraphicsChange>{GraphicsChange::kSegmentDistance});
    QCOMPARE(f.session.document().segment_distance(), 0.01);
    f.Leave("txtDistance");  // unchanged: nothing to prepare
    QCOMPARE(f.told.size(), size_t(1));
    f.Paste("txtDistance", "1e999");
    QCOMPARE(f.settings().segment_distance, 0.01);
    f.Type("txtDistance", "0.33333");
    f.Leave("txtDistance");
    QCOMPARE(f.Box("txtDistance")->text(), QString("0.333"));
    QCOMPARE(f.session.document().segment_distance(), 0.33333);
  }

  void SwitchesAskThePreviewForWhatTheyChange() {
    Fixture f;
    f.Click("chkPit");
    QVERIFY(!f.settings().features[kShowPitAreas]);
    QCOMPARE(f.told.back(), GraphicsChange::kFeatureLists);
    f.Click("chkTrap");
    QCOMPARE(f.told.back(), GraphicsChange::kFeatureLists);
    f.Click("chkCanopy");
    QVERIFY(!f.settings().features[kShowCanopies]);
    QCOMPARE(f.told.back(), GraphicsChange::kFrame);
    f.Click("chkFiltering");
    QVERIFY(f.settings().texture_filtering);
    QCOMPARE(f.told.back(), GraphicsChange::kFiltering);
    f.Click("chkARSpline");
    QVERIFY(f.settings().lines[kLineRightSpline].antialiasing);
    f.Click("chkSegmentLines");
    QVERIFY(!f.settings().lines[kLineSegmentLines].enabled);
    f.Click("chkWireframe");
    QVERIFY(f.settings().wireframe);
    f.Click("optDefineColor");
    QVERIFY(!f.settings().use_sky_colour);
    QCOMPARE(f.told.back(), GraphicsChange::kFrame);
    f.Click("optSkyColor");
    QVERIFY(f.settings().use_sky_colour);
  }

  void FollowsSettingsChangedElsewhere() {
    Fixture f;
    GraphicsSettings loaded;
    loaded.lines[kLineLeftSpline].colour = {0x12, 0x34, 0x56};
    loaded.features[kShowJumpPlates] = false;
    loaded.use_sky_colour = false;
    loaded.segment_distance = 0.5;
    loaded.floor_transparency_percent = 20;
    f.session.SetGraphics(loaded, GraphicsChange::kSegmentDistance);
    QCOMPARE(f.Box("txtLSpline")->text(), QString("123456"));
    QVERIFY(!f.Button("chkJump")->isChecked());
    QVERIFY(f.Button("optDefineColor")->isChecked());
    QVERIFY(!f.Button("optSkyColor")->isChecked());
    QCOMPARE(f.Box("txtDistance")->text(), QString("0.5"));
    QCOMPARE(f.Box("txtFloorTransparency")->text(), QString("20"));
    // Filling the controls changed nothing and told nobody.
    QCOMPARE(f.told.size(), size_t(1));
    QCOMPARE(f.session.graphics().lines[kLineLeftSpline].colour, (Rgb{0x12, 0x34, 0x56}));
  }

  void AFailingSwitchLeavesTheEditorRunningWithAMessage() {
    Fixture f;
    // A view of the settings that fails once, as a broken part of the editor would.
    bool fail = true;
    QObject::connect(&f.session, &EditorSession::graphicsChanged, &f.window, [&fail] {
      if (std::exchange(fail, false)) throw std::runtime_error("a view failed");
    });
    f.Click("chkWireframe");
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Graphics Settings"});
    QCOMPARE(f.dialogs.messages.back().Text(), QString("An unknown error has occurred."));
    f.Click("chkPit");
    QVERIFY(!f.settings().features[kShowPitAreas]);
    QCOMPARE(f.dialogs.messages.size(), size_t(1));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::GraphicsWindowTest)
#include "graphics_window_test.moc"
