#pragma once

// Inside the framework only: what a control holds of Qt.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/core/exceptions.h"

namespace platform {

class RectControl;

// Shared by a control and the Qt side that raises its events. The control clears it when it is
// destroyed, so a widget that outlives its control (it is deleted later) raises nothing.
struct ControlLink {
  RectControl* control = nullptr;
};

struct RectControlData {
  // Owned by the control until the control is added to a window; then a child of the window's
  // content area, deleted (later) with the window's widget.
  QPointer<QWidget> widget;
  std::shared_ptr<ControlLink> link = std::make_shared<ControlLink>();

  // Raises NilObjectException once the window that held the widget has been closed and its
  // widgets destroyed.
  QWidget& Widget() const {
    if (!widget) throw NilObjectException("The control's window was closed");
    return *widget;
  }
};

}  // namespace platform
