#pragma once

#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// Property records written out as tables, the way a window's layout is documented, and encoded
// here on their own so the records the program builds are held to them byte for byte.
//
// A table is one row per entry: key | type | value [| value ...], one value column per window or
// control. Types are Int32, Boolean (True or False), Color (#RRGGBB) and String (in double
// quotes). A record is the entries of one column in row order, each encoded as the key, a blank
// and the value: Int32 as four bytes, most significant first; Boolean as one byte 1 or 0; Color
// as the bytes red, green, blue; String as a four-byte byte count, most significant first, then
// its bytes.
namespace testing_support {

inline std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

inline std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::stringstream stream(row);
  std::string cell;
  while (std::getline(stream, cell, '|')) cells.push_back(Trimmed(cell));
  return cells;
}

inline void AppendBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<char>((value >> shift) & 0xFFu));
  }
}

inline std::string EncodedEntry(const std::string& key, const std::string& type,
                                const std::string& value) {
  std::string out = key + " ";
  if (type == "Int32") {
    AppendBigEndian(out, static_cast<uint32_t>(static_cast<int32_t>(std::stol(value))));
  } else if (type == "Boolean") {
    if (value != "True" && value != "False") throw std::invalid_argument("Boolean " + value);
    out.push_back(value == "True" ? '\x01' : '\x00');
  } else if (type == "Color") {
    const auto rgb = static_cast<uint32_t>(std::stoul(value.substr(1), nullptr, 16));
    for (int shift = 16; shift >= 0; shift -= 8) {
      out.push_back(static_cast<char>((rgb >> shift) & 0xFFu));
    }
  } else if (type == "String") {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
      throw std::invalid_argument("String without quotes: " + value);
    }
    const std::string text = value.substr(1, value.size() - 2);
    AppendBigEndian(out, static_cast<uint32_t>(text.size()));
    out += text;
  } else {
    throw std::invalid_argument("Unknown type " + type + " of " + key);
  }
  return out;
}

// One encoded record per value column, in column order.
inline std::vector<std::string> EncodedColumns(const std::string& table) {
  std::vector<std::string> records;
  std::stringstream rows(table);
  std::string row;
  while (std::getline(rows, row)) {
    if (Trimmed(row).empty()) continue;
    const std::vector<std::string> cells = Cells(row);
    if (cells.size() < 3) throw std::invalid_argument("Row without a value: " + row);
    records.resize(cells.size() - 2);
    for (size_t column = 2; column < cells.size(); ++column) {
      records[column - 2] += EncodedEntry(cells[0], cells[1], cells[column]);
    }
  }
  return records;
}

// The value of each column's Name row: the controls' names, wherever the row stands.
inline std::vector<std::string> ColumnHeads(const std::string& table) {
  std::stringstream rows(table);
  std::string row;
  while (std::getline(rows, row)) {
    const std::vector<std::string> cells = Cells(row);
    if (cells.empty() || cells[0] != "Name") continue;
    std::vector<std::string> heads;
    for (size_t column = 2; column < cells.size(); ++column) {
      heads.push_back(cells[column].substr(1, cells[column].size() - 2));
    }
    return heads;
  }
  return {};
}

}  // namespace testing_support
