#include "ui/window_layout.h"

#include <algorithm>

namespace kurvex {

namespace {
constexpr int kGap = 8;
constexpr int kCascadeStep = 36;
}  // namespace

std::array<ToolPlacement, kToolWindowCount> FirstRunLayout(
    const QRect& area, const std::array<QSize, kToolWindowCount>& hints) {
  std::array<ToolPlacement, kToolWindowCount> layout{};
  const int right_width = std::max(hints[kWindowElement].width(), hints[kWindowCourse].width());
  const int preview_width = std::max(area.width() - right_width - kGap, area.width() / 2);
  const int column = area.left() + preview_width + kGap;
  const int column_width = area.right() - column;
  layout[kWindowPreview] = {
      {area.left(), area.top(), preview_width, area.height() - kFrameAllowance}, true};
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

QRect PlaceOnScreen(const WindowPlacement& p, const QRect& screen, const QSize& hint) {
  QRect place(screen.left() + static_cast<int>(p.left * screen.width()),
              screen.top() + static_cast<int>(p.top * screen.height()),
              static_cast<int>(p.width * screen.width()),
              static_cast<int>(p.height * screen.height()));
  if (place.width() < 50 || place.height() < 50) place.setSize(hint);
  // A window from a larger screen comes back where it can be reached.
  place.moveLeft(
      std::clamp(place.left(), screen.left(), std::max(screen.left(), screen.right() - 100)));
  place.moveTop(
      std::clamp(place.top(), screen.top(), std::max(screen.top(), screen.bottom() - 100)));
  return place;
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
