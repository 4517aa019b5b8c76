#include "platform/controls/rectangle_widget_qt.h"

#include <QPainter>
#include <algorithm>

#include "platform/graphics/color_qt.h"

namespace platform {

void RectangleWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(fillColor));
  int border = std::clamp(borderWidth, 0, std::min(width(), height()));
  if (border == 0) return;
  // Bottom and right first, so the top-left colour keeps the two corners it shares with them.
  painter.fillRect(0, height() - border, width(), border, ToQColor(bottomRightColor));
  painter.fillRect(width() - border, 0, border, height(), ToQColor(bottomRightColor));
  painter.fillRect(0, 0, width(), border, ToQColor(topLeftColor));
  painter.fillRect(0, 0, border, height(), ToQColor(topLeftColor));
}

}  // namespace platform
