// Controls tied to values as the windows use them: a value written elsewhere shows in its
// control without counting as an edit, a typed number is read by one rule and refused the
// same way in every box, and a failing write leaves the control showing the stored value.
#include "ui/bound_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <QtTest>
#include <stdexcept>

#include "editing/edit_result.h"
#include "scripted_dialogs.h"
#include "ui/command_runner.h"
#include "ui/editor_session.h"

namespace kurvex::test {

class BoundControlsTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    Fixture() : runner(session, dialogs, &window, "Window"), controls(runner, nullptr) {
      number.setParent(&window);
      other.setParent(&window);
      other.move(0, 40);
      window.show();
      window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    void Type(QLineEdit* box, const QString& text) {
      box->setFocus();
      box->selectAll();
      QTest::keyClicks(box, text);
    }
    void Paste(QLineEdit* box, const QString& text) {
      box->selectAll();
      box->insert(text);
    }
    void Leave(QLineEdit* box) { QTest::keyClick(box, Qt::Key_Return); }

    EditorSession session;
    ScriptedDialogs dialogs;
    QWidget window;
    CommandRunner runner;
    BoundControls controls;
    QLineEdit number;
    QLineEdit other;
  };

  // A number box over `value`, writing at each keystroke and refusing above 100.
  static void BindNumber(Fixture& f, double& value, int& writes) {
    BoundControls::NumberRule rule;
    rule.on_key = [&value, &writes](double typed) {
      ++writes;
      if (typed > 100) return int16_t{kEditBadNumber};
      value = typed;
      return int16_t{kEditOk};
    };
    rule.shown = [&value] { return QString::number(value, 'f', 2); };
    f.controls.AddNumber(&f.number, rule);
  }

 private slots:
  void TypedNumbersAreReadByOneRule() {
    double value = 0;
    QCOMPARE(ReadTypedNumber("", &value), TypedNumber::kEmpty);
    QCOMPARE(ReadTypedNumber("   ", &value), TypedNumber::kEmpty);
    QCOMPARE(ReadTypedNumber("1e999", &value), TypedNumber::kRefused);
    QCOMPARE(ReadTypedNumber("-1e999", &value), TypedNumber::kRefused);
    QCOMPARE(ReadTypedNumber("12.5abc", &value), TypedNumber::kNumber);
    QCOMPARE(value, 12.5);
    QCOMPARE(ReadTypedNumber("abc", &value), TypedNumber::kNumber);  // no number reads as 0
    QCOMPARE(value, 0.0);
  }

  void AValueWrittenElsewhereShowsWithoutCountingAsAnEdit() {
    // The values outlive the fixture: its boxes show them as it is taken down.
    double value = 1;
    int writes = 0;
    bool on = true;
    int toggles = 0;
    int entry = 2;
    int choices = 0;
    Rgb colour{0x12, 0x34, 0x56};
    Fixture f;
    BindNumber(f, value, writes);
    QCheckBox check(&f.window);
    f.controls.AddCheck(
        &check, [&on] { return on; }, [&toggles](bool) { ++toggles; });
    QComboBox list(&f.window);
    list.addItems({"a", "b", "c", "d"});
    f.controls.AddList(
        &list, [&entry] { return entry; },
        [&choices](int) {
          ++choices;
          return int16_t{kEditOk};
        });
    QLineEdit hex(&f.window);
    QLabel swatch(&f.window);
    f.controls.AddColour(
        &hex, &swatch, [&colour] { return colour; }, [](const Rgb&) {});
    // Each control shows its value as soon as it is bound...
    QCOMPARE(f.number.text(), QString("1.00"));
    QVERIFY(check.isChecked());
    QCOMPARE(list.currentIndex(), 2);
    QCOMPARE(hex.text(), QString("123456"));
    QCOMPARE(swatch.palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    // ...and again after a change elsewhere, which the write functions never hear of.
    value = 42.125;
    on = false;
    entry = 0;
    colour = {0xAB, 0xCD, 0xEF};
    f.controls.Refresh();
    QCOMPARE(f.number.text(), QString("42.13"));
    QVERIFY(!check.isChecked());
    QCOMPARE(list.currentIndex(), 0);
    QCOMPARE(hex.text(), QString("ABCDEF"));
    QCOMPARE(swatch.palette().color(QPalette::Window), QColor(0xAB, 0xCD, 0xEF));
    QCOMPARE(writes + toggles + choices, 0);
    // The user's own changes are writes.
    check.click();
    QCOMPARE(toggles, 1);
    list.setCurrentIndex(3);
    QCOMPARE(choices, 1);
  }

  void ABoxTypedInIsLeftAloneUntilItIsLeft() {
    double value = 1;
    int writes = 0;
    Fixture f;
    BindNumber(f, value, writes);
    f.Type(&f.number, "7.5");
    QCOMPARE(value, 7.5);
    f.controls.Refresh();
    QCOMPARE(f.number.text(), QString("7.5"));  // the cursor stays where the user types
    f.Leave(&f.number);
    QCOMPARE(f.number.text(), QString("7.50"));  // settled in its format
    // Leaving by the focus settles it too.
    f.Type(&f.number, "3");
    f.other.setFocus();
    QCOMPARE(f.number.text(), QString("3.00"));
  }

  void RefusedNumbersShowTheStoredValueAtOnce() {
    double value = 5;
    int writes = 0;
    Fixture f;
    BindNumber(f, value, writes);
    // Beyond the double range: refused before any write.
    f.Paste(&f.number, "1e999");
    QCOMPARE(writes, 0);
    QCOMPARE(f.number.text(), QString("5.00"));
    // Refused by the write: the same.
    f.Paste(&f.number, "250");
    QCOMPARE(writes, 1);
    QCOMPARE(value, 5.0);
    QCOMPARE(f.number.text(), QString("5.00"));
    // An empty box writes nothing and keeps its emptiness while typed in.
    f.Paste(&f.number, "");
    QCOMPARE(writes, 1);
    QCOMPARE(f.number.text(), QString());
    f.Leave(&f.number);
    QCOMPARE(f.number.text(), QString("5.00"));
    QVERIFY(f.dialogs.messages.empty());
  }

  void AFailingWriteShowsTheMessageAndTheStoredValue() {
    Fixture f;
    BoundControls::NumberRule rule;
    rule.on_key = [](double) -> int16_t { throw std::runtime_error("a write failed"); };
    rule.shown = [] { return QStringLiteral("9"); };
    f.controls.AddNumber(&f.number, rule);
    f.Paste(&f.number, "4");
    QCOMPARE(f.dialogs.MessageCaptions(), QStringList{"Window"});
    QCOMPARE(f.dialogs.messages.back().Text(), QString("An unknown error has occurred."));
    QCOMPARE(f.number.text(), QString("9"));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::BoundControlsTest)
#include "bound_controls_test.moc"
