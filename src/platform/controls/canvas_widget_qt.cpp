#include "platform/controls/canvas_widget_qt.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/controls/canvas.h"
#include "platform/graphics/picture_data_qt.h"

namespace platform {

CanvasWidget::CanvasWidget(std::shared_ptr<ControlLink> link) : link_(std::move(link)) {}

void CanvasWidget::paintEvent(QPaintEvent* /*event*/) {
  if (!backdrop || backdrop->Data().image.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, backdrop->Data().image);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  RectControl* owner = link_->control;
  if (!owner || !owner->HasEventHandler(Canvas::kMouseDownEvent)) {
    event->ignore();  // goes on to the window, as a press on a bare content area would
    return;
  }
  QPoint at = event->position().toPoint();
  owner->DispatchEvent(Canvas::kMouseDownEvent, {Value(at.x()), Value(at.y())});
  event->accept();
}

}  // namespace platform
