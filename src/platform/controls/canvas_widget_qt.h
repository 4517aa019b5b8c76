#pragma once

// Inside the framework only: the Qt widget of a Canvas.
#include <QWidget>
#include <memory>

#include "platform/controls/control_data_qt.h"
#include "platform/graphics/picture.h"

namespace platform {

class CanvasWidget : public QWidget {
 public:
  explicit CanvasWidget(std::shared_ptr<ControlLink> link);

  std::shared_ptr<Picture> backdrop;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::shared_ptr<ControlLink> link_;
};

}  // namespace platform
