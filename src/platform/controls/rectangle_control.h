#pragma once

#include <cstdint>

#include "platform/controls/control.h"
#include "platform/core/color.h"

namespace platform {

// A filled rectangle with a border: the top and left sides in one colour, the bottom and right
// sides in another.
class Rectangle : public RectControl {
 public:
  Rectangle();
  static const ClassRecord& Lookup();

  Color FillColor() const;
  Color TopLeftColor() const;
  Color BottomRightColor() const;
  int32_t BorderWidth() const;

 protected:
  void ApplyProperty(const std::string& key, const PropertyValue& value) override;
};

}  // namespace platform
