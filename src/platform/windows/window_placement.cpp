#include "platform/windows/window_placement.h"

#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

// The start of a span of `length` placed at `start`, moved to lie within [low, high) where it
// fits; a span longer than that starts at `low`, so its start (the title, the close box) shows.
int32_t Within(int32_t start, int32_t length, int32_t low, int32_t high) {
  return std::max(low, std::min(start, high - length));
}

bool Near(ScreenPoint a, ScreenPoint b, int32_t step) {
  return std::abs(a.x - b.x) < step && std::abs(a.y - b.y) < step;
}

}  // namespace

ScreenPoint CascadedPlace(const ScreenRect& available, int32_t frameWidth, int32_t frameHeight,
                          const std::vector<ScreenPoint>& shownDocuments, int32_t step) {
  ScreenPoint place{available.left, available.top};
  step = std::max(step, 1);
  // A shown window blocks at most two places on the diagonal, which bounds the passes.
  for (size_t pass = 0; pass <= 2 * shownDocuments.size(); ++pass) {
    bool taken = std::any_of(shownDocuments.begin(), shownDocuments.end(),
                             [&](ScreenPoint shown) { return Near(shown, place, step); });
    if (!taken) break;
    place.x += step;
    place.y += step;
  }
  return {Within(place.x, frameWidth, available.left, available.Right()),
          Within(place.y, frameHeight, available.top, available.Bottom())};
}

ScreenPoint CentredPlace(const ScreenRect& over, int32_t frameWidth, int32_t frameHeight,
                         const ScreenRect& available) {
  ScreenPoint centred{over.left + (over.width - frameWidth) / 2,
                      over.top + (over.height - frameHeight) / 2};
  return {Within(centred.x, frameWidth, available.left, available.Right()),
          Within(centred.y, frameHeight, available.top, available.Bottom())};
}

ScreenPoint KeptOnScreen(ScreenPoint given, int32_t frameWidth, int32_t titleHeight,
                         const ScreenRect& available) {
  return {Within(given.x, frameWidth, available.left, available.Right()),
          Within(given.y, titleHeight, available.top, available.Bottom())};
}

}  // namespace platform
