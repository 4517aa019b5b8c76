#include "platform/property_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::Color;
using platform::DecodePropertyRecord;
using platform::kNoControlArrayIndex;
using platform::PropertyRecord;
using platform::PropertyRecordException;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int byte : bytes) out.push_back(static_cast<char>(byte));
  return out;
}

TEST(PropertyRecordTest, EncodesTheFieldRecordExampleByteForByte) {
  std::string expected =
      Bytes({0x4E, 0x61, 0x6D, 0x65, 0x20, 0x00, 0x00, 0x00, 0x08, 0x4E, 0x56, 0x61, 0x72, 0x73,
             0x46, 0x6C, 0x64,  // Name "NVarsFld"
             0x49, 0x6E, 0x64, 0x65, 0x78, 0x20, 0x80, 0x00, 0x00, 0x00, 0x4C, 0x65, 0x66, 0x74,
             0x20, 0x00, 0x00, 0x00, 0xE6, 0x54, 0x6F, 0x70, 0x20, 0x00, 0x00, 0x00, 0x96});
  EXPECT_EQ(
      PropertyRecord(
          {{"Name", "NVarsFld"}, {"Index", kNoControlArrayIndex}, {"Left", 230}, {"Top", 150}}),
      expected);
  EXPECT_EQ(PropertyRecord({{"TextColor", Color(0x0000C8)}}),
            "TextColor" + Bytes({0x20, 0x00, 0x00, 0xC8}));
  EXPECT_EQ(PropertyRecord({{"Bold", true}}), "Bold" + Bytes({0x20, 0x01}));
  EXPECT_EQ(PropertyRecord({{"Title", ""}}), "Title" + Bytes({0x20, 0, 0, 0, 0}));
}

TEST(PropertyRecordTest, ReadsEveryTypeBackInRecordOrder) {
  auto entries = DecodePropertyRecord(PropertyRecord({{"Top", -1},
                                                      {"Index", kNoControlArrayIndex},
                                                      {"Visible", false},
                                                      {"FillColor", Color(0x123456)},
                                                      {"Caption", "Calculate"}}));
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].key, "Top");
  EXPECT_EQ(entries[0].value.AsInt32(), -1);
  EXPECT_EQ(entries[1].value.AsInt32(), -2147483647 - 1);
  EXPECT_FALSE(entries[2].value.AsBoolean());
  EXPECT_EQ(entries[3].value.AsColor(), Color(0x123456));
  EXPECT_EQ(entries[4].value.AsString(), "Calculate");
}

TEST(PropertyRecordTest, StringLengthsCountBytesAndLongTextsAreReadWhole) {
  std::string credit = "\xC2\xA9 2006 the Corvane authors";  // one two-byte character
  std::string record = PropertyRecord({{"Text", credit}});
  EXPECT_EQ(static_cast<unsigned char>(record[8]), credit.size());
  EXPECT_EQ(DecodePropertyRecord(record)[0].value.AsString(), credit);

  std::string help(5392, 'x');
  help[0] = 'C';
  help[5391] = 'z';
  std::string longRecord = PropertyRecord({{"InitialParent", ""}, {"Text", help}, {"Name", "F"}});
  EXPECT_EQ(longRecord.size(), (14u + 4) + (5u + 4 + 5392) + (5u + 4 + 1));
  auto entries = DecodePropertyRecord(longRecord);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[1].value.AsString(), help);
  EXPECT_EQ(entries[2].value.AsString(), "F");
}

TEST(PropertyRecordTest, DamagedRecordsNameTheKeyAndOffsetWithoutReadingPastTheEnd) {
  std::string good = PropertyRecord({{"Left", 230}, {"Top", 150}});
  struct Case {
    std::string record;
    std::string key;
    size_t offset;
  };
  std::vector<Case> cases = {
      {good.substr(0, good.size() - 2), "Top", 9},                       // Int32 cut short
      {good + "Wid", "Wid", good.size()},                                // ends inside a key
      {good + "Colour " + Bytes({1, 2, 3}), "Colour", good.size()},      // unknown key
      {"Title " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abc", "Title", 0},  // length past the end
      {"Bold ", "Bold", 0},                                              // value missing
  };
  for (const Case& c : cases) {
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
}

TEST(PropertyRecordTest, WritingRefusesUnknownKeysAndValuesOfAnotherType) {
  EXPECT_THROW(PropertyRecord({{"Colour", Color(0)}}), PropertyRecordException);
  EXPECT_THROW(PropertyRecord({{"Left", true}}), PropertyRecordException);
  EXPECT_THROW(PropertyRecord({{"Visible", 1}}), PropertyRecordException);
  EXPECT_THROW(PropertyRecord({{"Caption", 0}}), PropertyRecordException);
}

}  // namespace
