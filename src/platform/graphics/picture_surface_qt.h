#pragma once

// Inside the framework only: a picture as a drawing surface, one pixel per unit.
#include "platform/graphics/drawing_surface_qt.h"

namespace platform {

class Picture;

class PictureSurface : public DrawingSurface {
 public:
  explicit PictureSurface(Picture& picture) : picture_(picture) {}

  int64_t Width() const override;
  int64_t Height() const override;
  void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, QRgb pixel) override;
  void Set(int64_t x, int64_t y, QRgb pixel) override;
  void Paint(const std::function<void(QPainter&)>& draw) override;

 private:
  Picture& picture_;
};

}  // namespace platform
