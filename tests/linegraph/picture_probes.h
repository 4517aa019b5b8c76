#pragma once

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/graphics.h"
#include "platform/picture.h"

// Pixel helpers for the line-graph tests.
namespace linegraph_probes {

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

constexpr platform::Color kWhite = platform::RGB(255, 255, 255);
constexpr platform::Color kBlack = platform::RGB(0, 0, 0);
constexpr platform::Color kGridColor = platform::RGB(107, 255, 255);

struct Region {
  int32_t left;
  int32_t top;
  int32_t right;   // inclusive
  int32_t bottom;  // inclusive
};

inline Region Whole(const platform::Picture& picture) {
  return {0, 0, picture.Width() - 1, picture.Height() - 1};
}

// The pixels of the region that differ from white.
inline PixelSet Inked(const platform::Picture& picture, Region region) {
  PixelSet inked;
  for (int32_t y = std::max(region.top, 0); y <= std::min(region.bottom, picture.Height() - 1);
       ++y) {
    for (int32_t x = std::max(region.left, 0); x <= std::min(region.right, picture.Width() - 1);
         ++x) {
      if (picture.PixelColor(x, y) != kWhite) inked.insert({x, y});
    }
  }
  return inked;
}

inline PixelSet Inked(const platform::Picture& picture) {
  return Inked(picture, Whole(picture));
}

// The pixels of the region that have exactly this colour.
inline PixelSet InColor(const platform::Picture& picture, platform::Color color, Region region) {
  PixelSet found;
  for (int32_t y = std::max(region.top, 0); y <= std::min(region.bottom, picture.Height() - 1);
       ++y) {
    for (int32_t x = std::max(region.left, 0); x <= std::min(region.right, picture.Width() - 1);
         ++x) {
      if (picture.PixelColor(x, y) == color) found.insert({x, y});
    }
  }
  return found;
}

inline PixelSet Box(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  PixelSet box;
  for (int32_t y = top; y <= bottom; ++y) {
    for (int32_t x = left; x <= right; ++x) box.insert({x, y});
  }
  return box;
}

// The band `depth` pixels deep just inside the box's outline.
inline PixelSet Band(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t depth) {
  PixelSet band = Box(left, top, right, bottom);
  for (const auto& inside : Box(left + depth, top + depth, right - depth, bottom - depth)) {
    band.erase(inside);
  }
  return band;
}

// The width StringWidth gives at that text size in the default font, converted as the graph does.
inline int32_t MeasuredWidth(const std::string& text, double size) {
  auto scratch = platform::NewPicture(1, 1, 32);
  scratch->Graphics().SetTextSize(size);
  return platform::RuntimeCvtReal64ToSInt32(scratch->Graphics().StringWidth(text));
}

inline double ExactWidth(const std::string& text, double size) {
  auto scratch = platform::NewPicture(1, 1, 32);
  scratch->Graphics().SetTextSize(size);
  return scratch->Graphics().StringWidth(text);
}

// True when every pixel of the set has the colour.
inline bool AllOf(const platform::Picture& picture, const PixelSet& pixels, platform::Color color) {
  for (const auto& [x, y] : pixels) {
    if (picture.PixelColor(x, y) != color) return false;
  }
  return true;
}

// The ink of the text drawn alone on a white picture of that size, for comparison with the text
// of a rendering.
inline PixelSet TextInk(int32_t width, int32_t height, const std::string& text, double size,
                        int32_t x, int32_t y, platform::Color color, Region region) {
  auto reference = platform::NewPicture(width, height, 32);
  reference->Graphics().SetTextSize(size);
  reference->Graphics().SetForeColor(color);
  reference->Graphics().DrawString(text, x, y);
  return Inked(*reference, region);
}

// The region a line of text drawn at (x, y) can reach.
inline Region TextRegion(int32_t x, int32_t y, int32_t width, double size) {
  return {x - 1, y - static_cast<int32_t>(size) - 2, x + width + 1,
          y + static_cast<int32_t>(size) / 3};
}

}  // namespace linegraph_probes
