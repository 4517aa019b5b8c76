#include "analysis/key_filters.h"

#include <cstdint>

#include "platform/text/text_functions.h"

namespace corvane {

bool VariableCountKeyAccepted(const std::string& key) {
  const int32_t code = platform::Asc(key);
  const bool digit = platform::StrComp(key, "0") >= 0 && platform::StrComp(key, "9") <= 0;
  return digit || code < 32 || code == 127;
}

bool EigenvalueKeyAccepted(const std::string& key) {
  constexpr int32_t kMinus = 45, kPoint = 46, kDelete = 127, kLineFeed = 10, kReturn = 13,
                    kBackspace = 8;
  const int32_t code = platform::Asc(key);
  return code == kMinus || code == kPoint || code == kDelete || code == kLineFeed ||
         code == kReturn || code == kBackspace || (code > 47 && code < 58);
}

}  // namespace corvane
