// What a message box shows of a message.
#include "ui/dialogs.h"

#include <QMessageBox>
#include <QtTest>

namespace kurvex::test {

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void AMessageShowsItsLinesAsWritten() {
    QMessageBox box;
    FillMessageBox(box, LinesMessage({"Input ROM and Output ROM cannot be",
                                      "The same. Please specify a different", "Output ROM."}));
    QCOMPARE(box.text(), QString("Input ROM and Output ROM cannot be\n"
                                 "The same. Please specify a different\nOutput ROM."));
    QVERIFY(box.informativeText().isEmpty());
  }

  void ATitleIsTheMainTextAndTheBodyLinesFollowIt() {
    QMessageBox box;
    FillMessageBox(box, MakeMessage("Error: File not found", {"a.kurv:", "No such file"}));
    QCOMPARE(box.text(), QString("Error: File not found"));
    QCOMPARE(box.informativeText(), QString("a.kurv:\nNo such file"));
    // Text that looks like markup is shown as it stands.
    FillMessageBox(box, LinesMessage({"<b>x</b>"}));
    QCOMPARE(box.textFormat(), Qt::PlainText);
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::DialogsTest)
#include "dialogs_test.moc"
