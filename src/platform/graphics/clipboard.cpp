#include "platform/graphics/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "platform/graphics/picture.h"
#include "platform/graphics/picture_data_qt.h"

namespace platform {

const ClassRecord& Clipboard::Lookup() {
  return DeclareClass<Clipboard>("Clipboard");
}

std::shared_ptr<platform::Picture> Clipboard::Picture() const {
  QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull()) return nullptr;
  auto picture = std::make_shared<platform::Picture>(0, 0);
  picture->Data().image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return picture;
}

void Clipboard::SetPicture(const std::shared_ptr<platform::Picture>& picture) {
  if (!picture || picture->Data().image.isNull()) {
    QGuiApplication::clipboard()->clear();
    return;
  }
  // Opaque RGB pastes the same everywhere; some programs mishandle premultiplied alpha.
  QGuiApplication::clipboard()->setImage(
      picture->Data().image.convertToFormat(QImage::Format_RGB32));
}

void Clipboard::Close() {}

}  // namespace platform
