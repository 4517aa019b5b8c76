#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <variant>

#include "platform/core/color.h"

namespace platform {

// The four value types a property record holds.
enum class PropertyType { kInt32, kBoolean, kColor, kString };

// The Index of a control that is in no control array.
constexpr int32_t kNoControlArrayIndex = std::numeric_limits<int32_t>::min();

// One typed property value.
class PropertyValue {
 public:
  PropertyValue(int32_t value) : content_(value) {}
  PropertyValue(bool value) : content_(value) {}
  PropertyValue(Color value) : content_(value) {}
  // Spelled out so that a text literal never turns into a Boolean.
  PropertyValue(const char* value) : content_(std::string(value)) {}
  PropertyValue(std::string value) : content_(std::move(value)) {}

  PropertyType Type() const;

  // Each raises RuntimeException when the value has another type.
  int32_t AsInt32() const;
  bool AsBoolean() const;
  Color AsColor() const;
  const std::string& AsString() const;

  bool operator==(const PropertyValue& other) const { return content_ == other.content_; }
  bool operator!=(const PropertyValue& other) const { return !(*this == other); }

 private:
  std::variant<int32_t, bool, Color, std::string> content_;
};

// "Int32", "Boolean", "Color", "String".
const char* PropertyTypeName(PropertyType type);

}  // namespace platform
