// Kept window places come back on the screen they are shown on: wholly on it, and at the
// window's own size where the kept one does not fit, whatever the settings file held (a larger
// screen's places, NaN, huge numbers).
#include "ui/window_layout.h"

#include <QtTest>
#include <cstring>
#include <limits>

namespace kurvex::test {

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private:
  static WindowPlacement Place(double left, double top, double width, double height) {
    WindowPlacement p;
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    return p;
  }
  // The double that eight bytes of 0x7F make, as a damaged file gives it: about 1.4e306.
  static double Huge() {
    double value;
    const unsigned char bytes[8] = {0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F};
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

 private slots:
  // On a first run the Problems list runs below the preview, in a strip the layout leaves free;
  // with no room there (a preview kept elsewhere) it goes to the bottom right corner.
  void TheProblemsWindowOpensBelowThePreviewOnAFirstRun() {
    const QRect area(0, 100, 1600, 900);
    std::array<QSize, kToolWindowCount> hints;
    hints.fill(QSize(560, 400));
    const QRect preview = FirstRunLayout(area, hints)[kWindowPreview].place;
    const QRect screen(0, 0, 1600, 1000);
    const QRect problems = FirstRunProblemsPlace(preview, screen, {500, 300});
    QCOMPARE(problems.left(), preview.left());
    QCOMPARE(problems.width(), preview.width());
    QVERIFY(problems.top() >= preview.top() + kFrameAllowance + preview.height());
    QVERIFY(problems.top() + problems.height() + kFrameAllowance <= screen.bottom() + 1);
    QCOMPARE(problems.height(), kProblemsStripHeight);

    const QRect filling(0, 100, 1000, 860);
    QCOMPARE(FirstRunProblemsPlace(filling, screen, {500, 300}), QRect(1068, 668, 500, 300));
  }

  void AKeptPlaceOnTheSameScreenComesBackAsItWas() {
    const QRect screen(100, 50, 1600, 1000);
    const QRect place(500, 150, 800, 500);
    QCOMPARE(PlaceOnScreen(KeptPlacement(place, true, screen), screen, {300, 200}), place);
  }

  void PlacesBeyondTheScreenAreBroughtOntoIt() {
    const QRect screen(100, 50, 1600, 1000);
    const QSize hint(300, 200);
    // Hanging over the right and bottom edges: moved in, size kept.
    QCOMPARE(PlaceOnScreen(Place(0.9, 0.8, 0.5, 0.5), screen, hint), QRect(900, 550, 800, 500));
    // Left of and above the screen.
    QCOMPARE(PlaceOnScreen(Place(-0.5, -2, 0.25, 0.25), screen, hint), QRect(100, 50, 400, 250));
    // Larger than the screen: not kept on it, so the window's own size.
    QCOMPARE(PlaceOnScreen(Place(0.1, 0.1, 2, 0.5), screen, hint), QRect(260, 150, 300, 200));
    // Too small to use: the window's own size; a hint larger than the screen is bounded too.
    QCOMPARE(PlaceOnScreen(Place(0.5, 0.5, 0.001, 0.5), screen, hint), QRect(900, 550, 300, 200));
    QCOMPARE(PlaceOnScreen(Place(0, 0, 0, 0), screen, {4000, 300}), QRect(100, 50, 1600, 300));
  }

  void DamagedNumbersGiveAPlaceWithoutUndefinedArithmetic() {
    const QRect screen(0, 0, 1920, 1080);
    const QSize hint(300, 200);
    QCOMPARE(PlaceOnScreen(Place(Huge(), Huge(), Huge(), Huge()), screen, hint),
             QRect(1620, 880, 300, 200));
    QCOMPARE(PlaceOnScreen(Place(-Huge(), Huge(), -Huge(), 0.5), screen, hint),
             QRect(0, 880, 300, 200));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(PlaceOnScreen(Place(nan, nan, nan, nan), screen, hint), QRect(0, 0, 300, 200));
    QCOMPARE(PlaceOnScreen(Place(inf, -inf, inf, inf), screen, hint), QRect(1620, 0, 300, 200));
  }
};

}  // namespace kurvex::test

QTEST_MAIN(kurvex::test::WindowLayoutTest)
#include "window_layout_test.moc"
