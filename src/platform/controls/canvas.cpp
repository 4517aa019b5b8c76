#include "platform/controls/canvas.h"

#include "platform/controls/canvas_widget_qt.h"
#include "platform/controls/control_data_qt.h"

namespace platform {

Canvas::Canvas() {
  auto* widget = new CanvasWidget(Data().link);
  Data().widget = widget;
  Data().link->control = this;
  UpdateFocusPolicy();
}

const ClassRecord& Canvas::Lookup() {
  return DeclareClass<Canvas>("Canvas", &RectControl::Lookup);
}

void Canvas::SetBackdrop(std::shared_ptr<platform::Picture> picture) {
  backdrop_ = std::move(picture);
  auto& widget = static_cast<CanvasWidget&>(Data().Widget());
  widget.backdrop = backdrop_;
  widget.update();
}

bool Canvas::HasEvent(int32_t eventNumber) const {
  return eventNumber == kOpenEvent || eventNumber == kMouseDownEvent;
}

void Canvas::UpdateFocusPolicy() {
  Qt::FocusPolicy policy = !acceptFocus_ ? Qt::NoFocus
                           : tabStop_    ? Qt::StrongFocus
                                         : Qt::ClickFocus;
  Data().Widget().setFocusPolicy(policy);
}

void Canvas::ApplyProperty(const std::string& key, const PropertyValue& value) {
  if (key == "AcceptFocus") {
    acceptFocus_ = value.AsBoolean();
    UpdateFocusPolicy();
  } else if (key == "TabStop") {
    tabStop_ = value.AsBoolean();
    UpdateFocusPolicy();
  } else {
    RectControl::ApplyProperty(key, value);
  }
}

}  // namespace platform
