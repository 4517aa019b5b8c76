#pragma once

// Inside the framework only.
#include <QColor>

#include "platform/core/color.h"

namespace platform {

inline QColor ToQColor(Color color) {
  return QColor(color.Red(), color.Green(), color.Blue());
}

}  // namespace platform
