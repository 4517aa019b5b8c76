#include "platform/properties/property_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::Color;
using platform::DecodePropertyRecord;
using platform::PropertyRecord;
using platform::PropertyRecordException;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int byte : bytes) out.push_back(static_cast<char>(byte));
  return out;
}

TEST(PropertyRecordTest, TheFieldRecordExampleIsWrittenAndReadByteForByte) {
  std::string example = "Name" + Bytes({0x20, 0, 0, 0, 8}) + "NVarsFld" + "Index" +
                        Bytes({0x20, 0x80, 0, 0, 0}) + "Left" + Bytes({0x20, 0, 0, 0, 0xE6}) +
                        "Top" + Bytes({0x20, 0, 0, 0, 0x96}) + "TextColor" +
                        Bytes({0x20, 0, 0, 0xC8}) + "Visible" + Bytes({0x20, 0x01});
  EXPECT_EQ(PropertyRecord({{"Name", "NVarsFld"},
                            {"Index", platform::kNoControlArrayIndex},
                            {"Left", 230},
                            {"Top", 150},
                            {"TextColor", Color(0x0000C8)},
                            {"Visible", true}}),
            example);
  EXPECT_EQ(PropertyRecord(DecodePropertyRecord(example)), example);
  EXPECT_EQ(DecodePropertyRecord(example)[1].value.AsInt32(), -2147483647 - 1);
}

TEST(PropertyRecordTest, DamagedRecordsNameTheKeyAndOffsetWithoutReadingPastTheEnd) {
  std::string good = PropertyRecord({{"Left", 230}, {"Top", 150}});
  struct Case {
    std::string record;
    std::string key;
    size_t offset;
  };
  for (const Case& c : std::vector<Case>{
           {good.substr(0, good.size() - 2), "Top", 9},                       // Int32 cut short
           {good + "Wid", "Wid", good.size()},                                // ends inside a key
           {good + "Colour " + Bytes({1, 2, 3}), "Colour", good.size()},      // unknown key
           {"Title " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abc", "Title", 0},  // length past the end
           {"Bold ", "Bold", 0}}) {                                           // value missing
    try {
      DecodePropertyRecord(c.record);
      ADD_FAILURE() << "no exception for key " << c.key;
    } catch (const PropertyRecordException& error) {
      EXPECT_EQ(error.Key(), c.key);
      EXPECT_EQ(error.Offset(), c.offset);
      EXPECT_NE(std::string(error.what()).find("byte " + std::to_string(c.offset)),
                std::string::npos)
          << error.what();
    }
  }
  EXPECT_THROW(PropertyRecord({{"Colour", Color(0)}}), PropertyRecordException);
  EXPECT_THROW(PropertyRecord({{"Left", true}}), PropertyRecordException);
  EXPECT_THROW(PropertyRecord({{"Caption", 0}}), PropertyRecordException);
}

}  // namespace
