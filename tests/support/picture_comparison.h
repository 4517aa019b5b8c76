#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "platform/graphics/picture.h"

namespace testing_support {

struct ChannelDifferences {
  int32_t largest = -1;  // -1: either picture is nil, or their sizes differ
  double mean = 0.0;     // over every channel of every pixel
};

// How far two pictures' colour channels lie apart.
inline ChannelDifferences CompareChannels(const std::shared_ptr<platform::Picture>& a,
                                          const std::shared_ptr<platform::Picture>& b) {
  ChannelDifferences result;
  if (!a || !b || a->Width() != b->Width() || a->Height() != b->Height()) return result;
  result.largest = 0;
  double total = 0.0;
  for (int32_t y = 0; y < a->Height(); ++y) {
    for (int32_t x = 0; x < a->Width(); ++x) {
      platform::Color p = a->PixelColor(x, y);
      platform::Color q = b->PixelColor(x, y);
      for (int32_t difference : {p.Red() - q.Red(), p.Green() - q.Green(), p.Blue() - q.Blue()}) {
        result.largest = std::max(result.largest, std::abs(difference));
        total += std::abs(difference);
      }
    }
  }
  result.mean = total / (3.0 * a->Width() * a->Height());
  return result;
}

// Inclusive pixel bounds.
struct Box {
  int32_t left, top, right, bottom;
  bool operator==(const Box&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << "(" << box.left << ", " << box.top << ") - (" << box.right << ", " << box.bottom
             << ")";
}

// Whether the colour's channels add up to no more than the limit (765 is white).
inline bool Dark(platform::Color color, int32_t channelSumLimit) {
  return color.Red() + color.Green() + color.Blue() <= channelSumLimit;
}

// The smallest box around every dark pixel; left > right when there is none.
inline Box DarkBox(const platform::Picture& picture, int32_t channelSumLimit) {
  Box box{picture.Width(), picture.Height(), -1, -1};
  for (int32_t y = 0; y < picture.Height(); ++y) {
    for (int32_t x = 0; x < picture.Width(); ++x) {
      if (!Dark(picture.PixelColor(x, y), channelSumLimit)) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
             std::max(box.bottom, y)};
    }
  }
  return box;
}

}  // namespace testing_support
