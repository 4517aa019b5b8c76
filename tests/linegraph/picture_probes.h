#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/core/color.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/picture.h"
#include "platform/text/conversions.h"

// Pixel helpers for the line-graph tests, whose tests live in this namespace too.
namespace corvane::linegraph_testing {

using platform::Color;
using platform::RGB;
using PixelSet = std::set<std::pair<int32_t, int32_t>>;

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kGridColor = RGB(107, 255, 255);

inline int32_t Int32(double value) {
  return platform::RuntimeCvtReal64ToSInt32(value);
}

// Inclusive pixel bounds; the default reaches every pixel.
struct Region {
  int32_t left = 0, top = 0;
  int32_t right = std::numeric_limits<int32_t>::max();
  int32_t bottom = std::numeric_limits<int32_t>::max();
};

// The pixels of the region that have the colour, or with `other` set, that do not have it.
inline PixelSet InColor(const platform::Picture& picture, Color color, Region region = {},
                        bool other = false) {
  PixelSet found;
  for (int32_t y = std::max(region.top, 0); y <= std::min(region.bottom, picture.Height() - 1);
       ++y) {
    for (int32_t x = std::max(region.left, 0); x <= std::min(region.right, picture.Width() - 1);
         ++x) {
      if ((picture.PixelColor(x, y) == color) != other) found.insert({x, y});
    }
  }
  return found;
}

inline PixelSet Inked(const platform::Picture& picture, Region region = {}) {
  return InColor(picture, kWhite, region, true);
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

inline bool AllOf(const platform::Picture& picture, const PixelSet& pixels, Color color) {
  return std::all_of(pixels.begin(), pixels.end(),
                     [&](const auto& p) { return picture.PixelColor(p.first, p.second) == color; });
}

// StringWidth in the default font at that text size, exact and as the graph converts it.
inline double ExactWidth(const std::string& text, double size) {
  auto scratch = platform::NewPicture(1, 1, 32);
  scratch->Graphics().SetTextSize(size);
  return scratch->Graphics().StringWidth(text);
}
inline int32_t MeasuredWidth(const std::string& text, double size) {
  return Int32(ExactWidth(text, size));
}

// The region a line of text drawn at (x, y) can reach.
inline Region TextRegion(int32_t x, int32_t y, const std::string& text, double size) {
  return {x - 1, y - static_cast<int32_t>(size) - 2, x + MeasuredWidth(text, size) + 1,
          y + static_cast<int32_t>(size) / 3};
}

// The ink of the text drawn alone at (x, y) on a white picture of that size, inside the region.
inline PixelSet TextInk(const platform::Picture& like, const std::string& text, double size,
                        int32_t x, int32_t y, Color color, Region region) {
  auto reference = platform::NewPicture(like.Width(), like.Height(), 32);
  reference->Graphics().SetTextSize(size);
  reference->Graphics().SetForeColor(color);
  reference->Graphics().DrawString(text, x, y);
  return Inked(*reference, region);
}

// Passes when the text's region (or the given one) holds exactly the ink of the text drawn alone.
inline testing::AssertionResult TextAt(const platform::Picture& picture, const std::string& text,
                                       double size, int32_t x, int32_t y, Color color,
                                       std::optional<Region> given = std::nullopt) {
  Region region = given.value_or(TextRegion(x, y, text, size));
  PixelSet expected = TextInk(picture, text, size, x, y, color, region);
  if (!expected.empty() && Inked(picture, region) == expected) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "\"" << text << "\" not found alone at " << x << ", " << y;
}

}  // namespace corvane::linegraph_testing
