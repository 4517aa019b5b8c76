#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/color.h"

namespace platform {

class Graphics;
struct PictureData;

// An off-screen 32-bit bitmap with its one drawing context. A new picture is opaque white.
class Picture {
 public:
  Picture(int32_t width, int32_t height);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int32_t Width() const;
  int32_t Height() const;

  // The picture's one drawing context; it keeps its colour, text size and pen between uses.
  platform::Graphics& Graphics();

  // The colour of one pixel; for tests and for code that inspects a rendering.
  Color PixelColor(int32_t x, int32_t y) const;

  // Reads an image file by its content, whatever its name; nil when it cannot be read.
  static std::shared_ptr<Picture> Open(const std::string& path);

  PictureData& Data() { return *data_; }
  const PictureData& Data() const { return *data_; }

 private:
  std::unique_ptr<PictureData> data_;
};

// A new picture of that size; depth 32 is the only depth. A width or height of 0 or less gives an
// empty picture on which drawing does nothing.
std::shared_ptr<Picture> NewPicture(int32_t width, int32_t height, int32_t depth);

}  // namespace platform
