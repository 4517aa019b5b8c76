#include "platform/properties/property_target.h"

namespace platform {

void PropertyTarget::SetProperty(const std::string& key, const PropertyValue& value) {
  ApplyProperty(key, value);
  stored_.insert_or_assign(key, value);
}

const PropertyValue* PropertyTarget::StoredProperty(const std::string& key) const {
  auto found = stored_.find(key);
  return found == stored_.end() ? nullptr : &found->second;
}

}  // namespace platform
