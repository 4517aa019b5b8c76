#include "platform/graphics/picture.h"

#include <QImageReader>
#include <QString>

#include "platform/core/exceptions.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/picture_data_qt.h"

namespace platform {

Picture::Picture(int32_t width, int32_t height) : data_(std::make_unique<PictureData>()) {
  if (width > 0 && height > 0) {
    data_->image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    data_->image.fill(Qt::white);
  }
}

Picture::~Picture() = default;

int32_t Picture::Width() const {
  return data_->image.isNull() ? 0 : data_->image.width();
}
int32_t Picture::Height() const {
  return data_->image.isNull() ? 0 : data_->image.height();
}

platform::Graphics& Picture::Graphics() {
  if (!data_->graphics) data_->graphics = std::make_unique<platform::Graphics>(*this);
  return *data_->graphics;
}

Color Picture::PixelColor(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) {
    throw OutOfBoundsException("Pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                               ") outside the picture");
  }
  QRgb pixel = data_->image.pixel(x, y);
  return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

std::shared_ptr<Picture> Picture::Open(const std::string& path) {
  QImageReader reader(QString::fromStdString(path));
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  auto picture = std::make_shared<Picture>(0, 0);
  picture->data_->image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return picture;
}

std::shared_ptr<Picture> NewPicture(int32_t width, int32_t height, int32_t /*depth*/) {
  return std::make_shared<Picture>(width, height);
}

}  // namespace platform
