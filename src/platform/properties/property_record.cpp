#include "platform/properties/property_record.h"

#include <cstdint>

#include "platform/properties/property_key_table.h"

namespace platform {
namespace {

void AppendUInt32(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<char>((value >> shift) & 0xFFu));
  }
}

void AppendValue(std::string& out, const PropertyValue& value) {
  switch (value.Type()) {
    case PropertyType::kInt32:
      AppendUInt32(out, static_cast<uint32_t>(value.AsInt32()));
      break;
    case PropertyType::kBoolean:
      out.push_back(value.AsBoolean() ? '\x01' : '\x00');
      break;
    case PropertyType::kColor: {
      Color color = value.AsColor();
      out.push_back(static_cast<char>(color.Red()));
      out.push_back(static_cast<char>(color.Green()));
      out.push_back(static_cast<char>(color.Blue()));
      break;
    }
    case PropertyType::kString:
      AppendUInt32(out, static_cast<uint32_t>(value.AsString().size()));
      out += value.AsString();
      break;
  }
}

// Reads one record from its start to its end, keeping the offset of the entry at hand for the
// error messages.
class RecordReader {
 public:
  explicit RecordReader(const std::string& record) : record_(record) {}

  bool AtEnd() const { return position_ == record_.size(); }

  PropertyEntry ReadEntry() {
    entryOffset_ = position_;
    std::string key = ReadKey();
    std::optional<PropertyType> type = PropertyTypeOfKey(key);
    if (!type) Fail("Property record: unknown key \"" + key + "\"", key);
    return PropertyEntry{key, ReadValue(key, *type)};
  }

 private:
  std::string ReadKey() {
    size_t blank = record_.find(' ', position_);
    if (blank == std::string::npos) {
      std::string partial = record_.substr(position_);
      Fail("Property record ends inside the key \"" + partial + "\"", partial);
    }
    std::string key = record_.substr(position_, blank - position_);
    position_ = blank + 1;
    return key;
  }

  PropertyValue ReadValue(const std::string& key, PropertyType type) {
    switch (type) {
      case PropertyType::kInt32:
        return static_cast<int32_t>(ReadUInt32(key));
      case PropertyType::kBoolean:
        return Take(key, 1)[0] != '\0';
      case PropertyType::kColor: {
        const char* bytes = Take(key, 3);
        return RGB(Byte(bytes[0]), Byte(bytes[1]), Byte(bytes[2]));
      }
      case PropertyType::kString: {
        uint32_t length = ReadUInt32(key);
        return std::string(Take(key, length), length);
      }
    }
    Fail("Property record: key \"" + key + "\" has no type", key);
  }

  uint32_t ReadUInt32(const std::string& key) {
    const char* bytes = Take(key, 4);
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<uint32_t>(Byte(bytes[i]));
    return value;
  }

  // The next `count` bytes, checked against the record's end before they are touched.
  const char* Take(const std::string& key, size_t count) {
    size_t remaining = record_.size() - position_;
    if (count > remaining) {
      Fail("Property record ends inside the value of \"" + key + "\": " + std::to_string(count) +
               " bytes needed, " + std::to_string(remaining) + " left",
           key);
    }
    const char* bytes = record_.data() + position_;
    position_ += count;
    return bytes;
  }

  static int32_t Byte(char byte) { return static_cast<int32_t>(static_cast<unsigned char>(byte)); }

  [[noreturn]] void Fail(const std::string& message, const std::string& key) const {
    throw PropertyRecordException(message + " (entry at byte " + std::to_string(entryOffset_) + ")",
                                  key, entryOffset_);
  }

  const std::string& record_;
  size_t position_ = 0;
  size_t entryOffset_ = 0;
};

}  // namespace

std::string PropertyRecord(std::initializer_list<PropertyEntry> entries) {
  return PropertyRecord(std::vector<PropertyEntry>(entries));
}

std::string PropertyRecord(const std::vector<PropertyEntry>& entries) {
  std::string record;
  for (const PropertyEntry& entry : entries) {
    std::optional<PropertyType> type = PropertyTypeOfKey(entry.key);
    if (!type) {
      throw PropertyRecordException("Property record: unknown key \"" + entry.key + "\"", entry.key,
                                    record.size());
    }
    if (*type != entry.value.Type()) {
      throw PropertyRecordException("Property record: \"" + entry.key + "\" takes a " +
                                        PropertyTypeName(*type) + ", not a " +
                                        PropertyTypeName(entry.value.Type()),
                                    entry.key, record.size());
    }
    record += entry.key;
    record.push_back(' ');
    AppendValue(record, entry.value);
  }
  return record;
}

std::vector<PropertyEntry> DecodePropertyRecord(const std::string& record) {
  std::vector<PropertyEntry> entries;
  RecordReader reader(record);
  while (!reader.AtEnd()) entries.push_back(reader.ReadEntry());
  return entries;
}

}  // namespace platform
