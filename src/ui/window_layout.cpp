#include "ui/window_layout.h"

#include <algorithm>

namespace kurvex {

namespace {

constexpr int kGap = 8;
constexpr int kCascadeStep = 36;
constexpr int kSmallestKeptSide = 50;

// A fraction of a screen side in whole pixels, 0..side: NaN, negative and huge fractions (a
// damaged settings file) are caught before the conversion, which would be undefined for them.
int Pixels(double fraction, int side) {
  if (!(fraction > 0)) return 0;
  if (fraction >= 1) return side;
  return static_cast<int>(fraction * side);
}

// A side kept as a fraction between these is taken as it is; beyond them the window gets its
// own size, for it was not kept on this screen.
bool KeptSideFits(double fraction, int side) {
  return fraction * side >= kSmallestKeptSide && fraction <= 1;
}

}  // namespace

std::array<ToolPlacement, kToolWindowCount> FirstRunLayout(
    const QRect& area, const std::array<QSize, kToolWindowCount>& hints) {
  std::array<ToolPlacement, kToolWindowCount> layout{};
  const int right_width = std::max(hints[kWindowElement].width(), hints[kWindowCourse].width());
  const int preview_width = std::max(area.width() - right_width - kGap, area.width() / 2);
  const int column = area.left() + preview_width + kGap;
  const int column_width = area.right() - column;
  const int strip = kGap + kFrameAllowance + kProblemsStripHeight;
  layout[kWindowPreview] = {
      {area.left(), area.top(), preview_width, area.height() - kFrameAllowance - strip}, true};
  const int element_height = hints[kWindowElement].height();
  layout[kWindowElement] = {{column, area.top(), column_width, element_height}, true};
  const int course_top = area.top() + element_height + kFrameAllowance + kGap;
  const int course_height = area.bottom() - course_top - kFrameAllowance;
  layout[kWindowCourse] = {{column, course_top, column_width, course_height},
                           course_height >= hints[kWindowCourse].height()};
  if (!layout[kWindowCourse].visible) {
    layout[kWindowCourse].place = {column, area.top() + kCascadeStep, column_width,
                                   hints[kWindowCourse].height()};
  }
  // The rest open over the lower part of the preview, each a step down from the last.
  int step = 0;
  for (int which : {kWindowCamera, kWindowGraphics, kWindowDataSheet, kWindowPatch}) {
    const QPoint corner(area.left() + kCascadeStep * (1 + step),
                        area.top() + area.height() / 3 + kCascadeStep * step);
    layout[which] = {{corner, hints[which]}, false};
    ++step;
  }
  return layout;
}

QRect FirstRunProblemsPlace(const QRect& preview, const QRect& screen, const QSize& hint) {
  const int top = preview.top() + kFrameAllowance + preview.height() + kGap;
  const int room = screen.bottom() + 1 - top - kFrameAllowance;
  if (screen.contains(preview.topLeft()) && room >= kProblemsStripHeight) {
    return {preview.left(), top, preview.width(), kProblemsStripHeight};
  }
  const QSize size = hint.boundedTo(screen.size());
  return {screen.right() + 1 - size.width() - kFrameAllowance,
          screen.bottom() + 1 - size.height() - kFrameAllowance, size.width(), size.height()};
}

QRect PlaceOnScreen(const WindowPlacement& p, const QRect& screen, const QSize& hint) {
  QSize size(Pixels(p.width, screen.width()), Pixels(p.height, screen.height()));
  if (!KeptSideFits(p.width, screen.width()) || !KeptSideFits(p.height, screen.height())) {
    size = hint;
  }
  // No larger than the screen, and wholly on it: a window kept on a larger screen, or read from
  // a damaged file, comes back where it can be seen and reached.
  size = size.boundedTo(screen.size());
  const int left = std::min(Pixels(p.left, screen.width()), screen.width() - size.width());
  const int top = std::min(Pixels(p.top, screen.height()), screen.height() - size.height());
  return QRect(QPoint(screen.left() + left, screen.top() + top), size);
}

WindowPlacement KeptPlacement(const QRect& place, bool visible, const QRect& screen) {
  WindowPlacement p;
  p.left = double(place.left() - screen.left()) / screen.width();
  p.top = double(place.top() - screen.top()) / screen.height();
  p.width = double(place.width()) / screen.width();
  p.height = double(place.height()) / screen.height();
  p.visible = visible;
  return p;
}

}  // namespace kurvex
