#pragma once

// Inside the framework only: what a Picture holds.
#include <QImage>
#include <memory>

#include "platform/graphics/picture.h"

namespace platform {

struct PictureData {
  QImage image;  // Format_ARGB32_Premultiplied; null for an empty picture
  std::unique_ptr<platform::Graphics> graphics;  // made on first use
};

}  // namespace platform
