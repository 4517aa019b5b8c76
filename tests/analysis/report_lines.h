#pragma once

#include <string>
#include <vector>

namespace testing_support {

// The report's lines without their endings. Carriage returns and line feeds each end one line:
// the report never puts an empty line right after a carriage return, so no pair is ambiguous.
inline std::vector<std::string> ReportLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

}  // namespace testing_support
