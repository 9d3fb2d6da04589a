// Where the editor looks for its help page: beside the program in the build folder, or in the
// installed tree's data folder.
#include "ui/help_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace kurvex::test {

class HelpPageTest : public QObject {
  Q_OBJECT

  QTemporaryDir root_;

  QString Path(const QString& relative) const { return root_.filePath(relative); }

  void WritePage(const QString& relative) {
    QVERIFY(QDir().mkpath(QFileInfo(Path(relative)).path()));
    QFile page(Path(relative));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
  }

 private slots:
  void init() { QVERIFY(root_.isValid()); }

  void InstalledTreeGivesTheDataFolderPage() {
    QDir().mkpath(Path("usr/bin"));
    QCOMPARE(FindHelpPage(Path("usr/bin")), QString());
    WritePage("usr/share/kurvex/help/Contents.html");
    QCOMPARE(FindHelpPage(Path("usr/bin")), Path("usr/share/kurvex/help/Contents.html"));
  }

  void PageBesideTheProgramComesFirst() {
    WritePage("build/share/kurvex/help/Contents.html");
    WritePage("build/bin/help/Contents.html");
    QCOMPARE(FindHelpPage(Path("build/bin")), Path("build/bin/help/Contents.html"));
  }

  void FolderNamedLikeThePageIsNotThePage() {
    QVERIFY(QDir().mkpath(Path("odd/bin/help/Contents.html")));
    QVERIFY(QDir().mkpath(Path("odd/share/kurvex/help/Contents.html")));
    QCOMPARE(FindHelpPage(Path("odd/bin")), QString());
  }
};

}  // namespace kurvex::test

QTEST_GUILESS_MAIN(kurvex::test::HelpPageTest)
#include "help_page_test.moc"
