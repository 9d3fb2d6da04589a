#pragma once
// Where the tool windows go: on a first run a layout that shows the course at once (the
// preview large on the left, the property windows beside it), and afterwards the places kept
// in the settings file as fractions of the screen.

#include <QRect>
#include <QSize>
#include <array>

#include "preview/settings_file.h"

namespace kurvex {

struct ToolPlacement {
  QRect place;  // top left of the window's frame, and its inside size
  bool visible = false;
};

// Title bars and borders the window manager adds around a window.
constexpr int kFrameAllowance = 32;

// The first-run layout in the area below the main window. hints are the windows' preferred
// sizes (minimum sizes for the two property windows). Course Properties shows only where it
// fits below Element Properties; the windows not shown open cascaded over the preview.
std::array<ToolPlacement, kToolWindowCount> FirstRunLayout(
    const QRect& area, const std::array<QSize, kToolWindowCount>& hints);

// A kept placement on this screen, wholly on it, at the window's own size (hint) where the kept
// size is too small or larger than the screen; any fraction, even NaN, gives a place. And the
// placement to keep for a window.
QRect PlaceOnScreen(const WindowPlacement& placement, const QRect& screen, const QSize& hint);
WindowPlacement KeptPlacement(const QRect& place, bool visible, const QRect& screen);

}  // namespace kurvex
