#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/properties/property_value.h"

namespace platform {

// A property record that cannot be read or written: an unknown key, a value of the wrong type, or
// a record that ends inside an entry. Names the key and the byte offset of its entry.
class PropertyRecordException : public RuntimeException {
 public:
  PropertyRecordException(const std::string& message, std::string key, size_t offset)
      : RuntimeException(message), key_(std::move(key)), offset_(offset) {}
  const char* ClassName() const override { return "PropertyRecordException"; }

  const std::string& Key() const { return key_; }
  size_t Offset() const { return offset_; }

 private:
  std::string key_;
  size_t offset_;
};

// One entry of a record: the key and its value.
struct PropertyEntry {
  std::string key;
  PropertyValue value;
};

// Encodes the entries, in the given order, into a property record: each entry is the key, one
// blank, then the value (Int32: 4 bytes, most significant first; Boolean: 1 byte; Color: red,
// green, blue; String: a 4-byte byte count, most significant first, then the UTF-8 bytes).
// Raises PropertyRecordException for an unknown key or a value of another type than the key's.
std::string PropertyRecord(std::initializer_list<PropertyEntry> entries);
std::string PropertyRecord(const std::vector<PropertyEntry>& entries);

// Reads every entry of a record, in record order. Raises PropertyRecordException for an unknown
// key or a record that ends inside an entry; never reads past the record's end.
std::vector<PropertyEntry> DecodePropertyRecord(const std::string& record);

}  // namespace platform
