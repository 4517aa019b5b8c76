#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/properties/property_target.h"

namespace platform {

// Configures the object from a property record: every entry is assigned, in record order, to the
// property its key names. The whole record is read before the first assignment, so a record that
// is damaged (PropertyRecordException) leaves the object as it was.
void _SetProperties(PropertyTarget& object, const std::string& record);
// Raises NilObjectException for nil.
void _SetProperties(const std::shared_ptr<PropertyTarget>& object, const std::string& record);

// Tests see every record as it is applied, with the object it configures; empty for none.
using AppliedRecordObserver =
    std::function<void(const PropertyTarget& object, const std::string& record)>;
void SetAppliedRecordObserverForTests(AppliedRecordObserver observer);

}  // namespace platform
