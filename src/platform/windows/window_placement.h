#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// Screen geometry in pixels, y growing downwards.
struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t Right() const { return left + width; }
  int32_t Bottom() const { return top + height; }
};

// Where windows open. Every position here is the top-left of a window's outer frame (title bar
// included) and every size the frame's size; `available` is the part of the screen that no panel
// or dock covers.

// A document window without a position of its own: the top-left of the available area, or, where
// a shown document window's frame already starts there (or within `step` of it), one step down and
// to the right, again and again, so that each window leaves the title bar of the one before it
// uncovered. A window that would leave the available area on the right or at the bottom is pulled
// back in as far as it fits.
ScreenPoint CascadedPlace(const ScreenRect& available, int32_t frameWidth, int32_t frameHeight,
                          const std::vector<ScreenPoint>& shownDocuments, int32_t step);

// A box centred over `over` (the window it belongs to, or the available area itself), then moved
// as far as needed to lie wholly on the available area.
ScreenPoint CentredPlace(const ScreenRect& over, int32_t frameWidth, int32_t frameHeight,
                         const ScreenRect& available);

// A position the program gave, kept as far as it leaves the title bar (`titleHeight` high, the
// frame's whole width) on the available area, and moved only as far as needed otherwise.
ScreenPoint KeptOnScreen(ScreenPoint given, int32_t frameWidth, int32_t titleHeight,
                         const ScreenRect& available);

// The available area of the screen windows open on (from the desktop, so not in this unit).
ScreenRect AvailableScreenArea();

}  // namespace platform
