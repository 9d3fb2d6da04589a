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

// On a first run the Problems list runs along the bottom of the preview's column, this high.
constexpr int kProblemsStripHeight = 150;

// The first-run layout in the area below the main window. hints are the windows' preferred
// sizes (minimum sizes for the two property windows). Course Properties shows only where it
// fits below Element Properties; the windows not shown open cascaded over the preview.
std::array<ToolPlacement, kToolWindowCount> FirstRunLayout(
    const QRect& area, const std::array<QSize, kToolWindowCount>& hints);

// Where the Problems window opens when it has no kept place: in the strip below the preview
// (placed as a ToolPlacement's place) where that is on the screen, else in the screen's bottom
// right corner at its own size.
QRect FirstRunProblemsPlace(const QRect& preview, const QRect& screen, const QSize& hint);

// A kept placement on this screen, wholly on it, at the window's own size (hint) where the kept
// size is too small or larger than the screen; any fraction, even NaN, gives a place. And the
// placement to keep for a window.
QRect PlaceOnScreen(const WindowPlacement& placement, const QRect& screen, const QSize& hint);
WindowPlacement KeptPlacement(const QRect& place, bool visible, const QRect& screen);

}  // namespace kurvex
