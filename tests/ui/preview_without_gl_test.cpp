// The Preview window on a display without OpenGL (the offscreen platform): it says so instead
// of drawing, and the editor works on.
#include <QLabel>
#include <QtTest>

#include "scripted_dialogs.h"
#include "ui/editor_session.h"
#include "ui/preview_view.h"
#include "ui/preview_window.h"

namespace kurvex::test {

class PreviewWithoutGlTest : public QObject {
  Q_OBJECT

 private slots:
  void TheWindowSaysWhyAndNothingDraws() {
    QVERIFY(!PreviewView::OpenGLAvailable());
    EditorSession session;
    ScriptedDialogs dialogs;
    PreviewWindow window(session, dialogs, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* notice = window.findChild<QLabel*>(QStringLiteral("noOpenGL"));
    QVERIFY(notice != nullptr);
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().contains(QStringLiteral("OpenGL")));
    // Edits and camera moves ask for frames; none may be drawn (drawing here used to crash).
    session.document().SelectPoint(2);
    session.MoveCamera([](Camera& camera) {
      camera.MoveAlongView(0, 0, 1);
      return true;
    });
    QTest::qWait(50);
    QVERIFY(window.view().RenderPicture(64, 64).isNull());
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::PreviewWithoutGlTest)
#include "preview_without_gl_test.moc"
