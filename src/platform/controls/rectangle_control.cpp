#include "platform/controls/rectangle_control.h"

#include "platform/controls/control_data_qt.h"
#include "platform/controls/rectangle_widget_qt.h"

namespace platform {
namespace {

RectangleWidget& WidgetOf(const Rectangle& rectangle) {
  return static_cast<RectangleWidget&>(rectangle.Data().Widget());
}

}  // namespace

Rectangle::Rectangle() {
  Data().widget = new RectangleWidget();
  Data().link->control = this;
}

const ClassRecord& Rectangle::Lookup() {
  return DeclareClass<Rectangle>("Rectangle", &RectControl::Lookup);
}

Color Rectangle::FillColor() const {
  return WidgetOf(*this).fillColor;
}
Color Rectangle::TopLeftColor() const {
  return WidgetOf(*this).topLeftColor;
}
Color Rectangle::BottomRightColor() const {
  return WidgetOf(*this).bottomRightColor;
}
int32_t Rectangle::BorderWidth() const {
  return WidgetOf(*this).borderWidth;
}

void Rectangle::ApplyProperty(const std::string& key, const PropertyValue& value) {
  RectangleWidget& widget = WidgetOf(*this);
  if (key == "FillColor") {
    widget.fillColor = value.AsColor();
  } else if (key == "TopLeftColor") {
    widget.topLeftColor = value.AsColor();
  } else if (key == "BottomRightColor") {
    widget.bottomRightColor = value.AsColor();
  } else if (key == "BorderWidth") {
    widget.borderWidth = value.AsInt32();
  } else {
    RectControl::ApplyProperty(key, value);
    return;
  }
  widget.update();
}

}  // namespace platform
