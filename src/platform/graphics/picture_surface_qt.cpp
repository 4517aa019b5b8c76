#include "platform/graphics/picture_surface_qt.h"

#include <QImage>
#include <algorithm>

#include "platform/graphics/picture.h"
#include "platform/graphics/picture_data_qt.h"

namespace platform {
namespace {

uint32_t* Row(QImage& image, int64_t row) {
  // scanLine detaches an image that is shared with a copy, so the copy keeps its pixels.
  return reinterpret_cast<uint32_t*>(image.scanLine(static_cast<int>(row)));
}

}  // namespace

int64_t PictureSurface::Width() const {
  return picture_.Width();
}

int64_t PictureSurface::Height() const {
  return picture_.Height();
}

void PictureSurface::Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, QRgb pixel) {
  QImage& image = picture_.Data().image;
  for (int64_t row = top; row < bottom; ++row) {
    uint32_t* line = Row(image, row);
    std::fill(line + left, line + right, pixel);
  }
}

void PictureSurface::Set(int64_t x, int64_t y, QRgb pixel) {
  Row(picture_.Data().image, y)[x] = pixel;
}

void PictureSurface::Paint(const std::function<void(QPainter&)>& draw) {
  QImage& image = picture_.Data().image;
  if (image.isNull()) return;
  QPainter painter(&image);
  draw(painter);
}

}  // namespace platform
