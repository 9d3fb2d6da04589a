// The help window: a page with its links, Back and Forward, and Find, inside the editor.
#include "ui/help_window.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "scratch_dir.h"
#include "test_courses.h"

namespace kurvex::test {

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsThePageAndFollowsItsLinksBackAndForth() {
    ScratchDir dir;
    QVERIFY(WriteText(dir.Path("Contents.html"),
                      "<html><body><h1>Help</h1><a href=\"formats.html\">Formats</a>"
                      "<p>A dart zone and a slip zone.</p></body></html>"));
    QVERIFY(WriteText(dir.Path("formats.html"), "<html><body><p>KURV files</p></body></html>"));
    HelpWindow help(nullptr);
    QVERIFY(!help.ShowPage(QString::fromStdString(dir.Path("missing.html"))));
    QVERIFY(help.ShowPage(QString::fromStdString(dir.Path("Contents.html"))));
    help.show();
    auto* browser = help.findChild<QTextBrowser*>("txtHelp");
    auto* back = help.findChild<QPushButton*>("cmdBack");
    auto* forward = help.findChild<QPushButton*>("cmdForward");
    QVERIFY(browser->toPlainText().contains("A dart zone"));
    QVERIFY(!back->isEnabled() && !forward->isEnabled());

    // A link of the page, as a click on it follows it.
    browser->setSource(QUrl("formats.html"));
    QVERIFY(browser->toPlainText().contains("KURV files"));
    QVERIFY(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(browser->toPlainText().contains("A dart zone"));
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QVERIFY(browser->toPlainText().contains("KURV files"));
    QTest::mouseClick(back, Qt::LeftButton);

    // Find goes from place to place and round to the first again.
    QVERIFY(help.Find("zone"));
    const int first = browser->textCursor().selectionStart();
    QVERIFY(help.Find("zone"));
    const int second = browser->textCursor().selectionStart();
    QVERIFY(second > first);
    QVERIFY(help.Find("zone"));
    QCOMPARE(browser->textCursor().selectionStart(), first);
    QVERIFY(!help.Find("pit area"));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::HelpWindowTest)
#include "help_window_test.moc"
