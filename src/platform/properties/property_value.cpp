#include "platform/properties/property_value.h"

#include "platform/core/exceptions.h"

namespace platform {
namespace {

template <class T>
const T& Held(const std::variant<int32_t, bool, Color, std::string>& content, PropertyType wanted) {
  if (const T* held = std::get_if<T>(&content)) return *held;
  throw RuntimeException(std::string("Property value is not a ") + PropertyTypeName(wanted));
}

}  // namespace

PropertyType PropertyValue::Type() const {
  switch (content_.index()) {
    case 0:
      return PropertyType::kInt32;
    case 1:
      return PropertyType::kBoolean;
    case 2:
      return PropertyType::kColor;
    default:
      return PropertyType::kString;
  }
}

int32_t PropertyValue::AsInt32() const {
  return Held<int32_t>(content_, PropertyType::kInt32);
}
bool PropertyValue::AsBoolean() const {
  return Held<bool>(content_, PropertyType::kBoolean);
}
Color PropertyValue::AsColor() const {
  return Held<Color>(content_, PropertyType::kColor);
}
const std::string& PropertyValue::AsString() const {
  return Held<std::string>(content_, PropertyType::kString);
}

const char* PropertyTypeName(PropertyType type) {
  switch (type) {
    case PropertyType::kInt32:
      return "Int32";
    case PropertyType::kBoolean:
      return "Boolean";
    case PropertyType::kColor:
      return "Color";
    case PropertyType::kString:
      return "String";
  }
  return "?";
}

}  // namespace platform
