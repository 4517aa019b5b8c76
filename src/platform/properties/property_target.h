#pragma once

#include <map>
#include <string>

#include "platform/properties/property_value.h"

namespace platform {

// An object that a property record configures (a window or a control). Every value set is kept,
// so properties that have no visible effect can still be read back; the subclass gives the others
// their effect.
class PropertyTarget {
 public:
  virtual ~PropertyTarget() = default;

  // Assigns the value to the property the key names.
  void SetProperty(const std::string& key, const PropertyValue& value);

  // The value last set for the key, or nullptr.
  const PropertyValue* StoredProperty(const std::string& key) const;

 protected:
  // Gives the property its effect; keys without one are ignored here.
  virtual void ApplyProperty(const std::string& key, const PropertyValue& value) = 0;

 private:
  std::map<std::string, PropertyValue> stored_;
};

}  // namespace platform
