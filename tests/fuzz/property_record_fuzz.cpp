// Property records from arbitrary bytes: either every entry is read, within the record, or the
// framework's own PropertyRecordException says why not.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/properties/property_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string record(reinterpret_cast<const char*>(data), size);
  std::vector<platform::PropertyEntry> entries;
  try {
    entries = platform::DecodePropertyRecord(record);
  } catch (const platform::PropertyRecordException& refusal) {
    fuzzing::Require(refusal.Offset() < record.size() || record.empty(),
                     "A refused record names an entry inside it");
    return 0;
  }
  // Written again, the entries take the same bytes (a Boolean may come back as another non-zero
  // byte) and read back as the same entries.
  const std::string rewritten = platform::PropertyRecord(entries);
  fuzzing::Require(rewritten.size() == record.size(), "A record written again has its length");
  const std::vector<platform::PropertyEntry> reread = platform::DecodePropertyRecord(rewritten);
  fuzzing::Require(reread.size() == entries.size(), "A record written again has its entries");
  for (size_t i = 0; i < entries.size(); ++i) {
    fuzzing::Require(reread[i].key == entries[i].key && reread[i].value == entries[i].value,
                     "A record written again reads back the same");
  }
  return 0;
}
