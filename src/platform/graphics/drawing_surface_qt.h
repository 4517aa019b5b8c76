#pragma once

// Inside the framework only: what a Graphics draws on. A picture is one surface, a printer page
// another; Graphics decides which units to ink, the surface only puts them there.
#include <QPainter>
#include <QRgb>
#include <cstdint>
#include <functional>

namespace platform {

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // The drawable extent in drawing units; 0 x 0 when nothing can be drawn.
  virtual int64_t Width() const = 0;
  virtual int64_t Height() const = 0;

  // Inks columns left..right-1 by rows top..bottom-1, already clipped to the extent.
  virtual void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, QRgb pixel) = 0;
  // One unit, already inside the extent.
  virtual void Set(int64_t x, int64_t y, QRgb pixel) { Fill(x, y, x + 1, y + 1, pixel); }

  // Runs the drawing with a painter whose coordinates are drawing units, for text and pictures.
  virtual void Paint(const std::function<void(QPainter&)>& draw) = 0;

  // Ends the current page and starts a new one; only a printer has pages.
  virtual void NextPage() {}
};

}  // namespace platform
