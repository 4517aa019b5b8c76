#pragma once

// Inside the framework only: the Qt widget of a Rectangle.
#include <QWidget>
#include <cstdint>

#include "platform/core/color.h"

namespace platform {

class RectangleWidget : public QWidget {
 public:
  Color fillColor{0xFFFFFF};
  Color topLeftColor{0x000000};
  Color bottomRightColor{0x000000};
  int32_t borderWidth = 1;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
