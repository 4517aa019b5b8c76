#include "platform/properties/set_properties.h"

#include "platform/core/exceptions.h"
#include "platform/properties/property_record.h"

namespace platform {
namespace {
AppliedRecordObserver appliedRecordObserver;
}  // namespace

void SetAppliedRecordObserverForTests(AppliedRecordObserver observer) {
  appliedRecordObserver = std::move(observer);
}

void _SetProperties(PropertyTarget& object, const std::string& record) {
  if (appliedRecordObserver) appliedRecordObserver(object, record);
  for (const PropertyEntry& entry : DecodePropertyRecord(record)) {
    object.SetProperty(entry.key, entry.value);
  }
}

void _SetProperties(const std::shared_ptr<PropertyTarget>& object, const std::string& record) {
  _SetProperties(NotNil(object), record);
}

}  // namespace platform
