#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/text/arrays.h"

// The results a calculation hands to the graph window, and the flags both windows share. Every
// value lives for the whole run and is read and assigned directly by the windows' handlers.
namespace corvane::Module1 {

// "y" while there is a result or plot to show, "" otherwise; never anything else.
extern std::string dirty;

// The number of variables of the last calculation that passed the range check.
extern int32_t gN;

// Row i (1..gN): column 1 the ordinal i, 2 eigenvalue i, 3 the standard error, 4 the slope and
// 5 the intercept of step i. Row 0 and column 0 stay zero.
extern std::shared_ptr<platform::DoubleArray2D> gArray;

// The number of factors of the last completed calculation, a whole number held as a Double.
extern double gCV;

// The colour a line-graph series takes when it is made without one.
extern int32_t newlinecolor;

// Program start: every value to its initial value, gArray a new 0..99 by 0..3 array of zeros.
void Initialize();

// Program end: releases the text, then the array, which leaves gArray nil.
void Finalize();

}  // namespace corvane::Module1
