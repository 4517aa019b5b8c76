#pragma once

#include <optional>
#include <string>

#include "platform/properties/property_value.h"

namespace platform {

// The type of the property a record key names; nothing for a key the framework does not know.
// The record does not mark its values' types, so this table is what makes a record readable.
std::optional<PropertyType> PropertyTypeOfKey(const std::string& key);

}  // namespace platform
