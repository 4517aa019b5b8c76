#pragma once

#include <string>

namespace corvane {

// Whether a typed key may go into the variable-count field: the digits and every control code
// (below 32, and Delete 127), so editing keys still work.
bool VariableCountKeyAccepted(const std::string& key);

// Whether a typed key may go into the eigenvalue field: digits, the minus sign, the point, Return,
// line feed, Backspace and Delete. Unlike the count field, no other control code passes.
bool EigenvalueKeyAccepted(const std::string& key);

}  // namespace corvane
