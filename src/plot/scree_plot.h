#pragma once

#include <cstdint>
#include <memory>

#include "platform/graphics/picture.h"

namespace corvane {

// The scree plot of the shared result state: the fitted line of the step whose number is the
// factor count in black, the eigenvalues over it in blue, rendered at that size. Leaves
// Module1::newlinecolor at 1. The y range runs from zero to the first eigenvalue plus one, rounded,
// with a label per whole unit; a value drawn outside it widens it to the whole numbers beyond.
//
// The state may disagree with itself after a calculation that stopped at "No Eigenvalues." while
// an earlier result was still flagged: the factor count may then name a row the array no longer
// has. The fitted line is then drawn along zero, as for a count of 0, and nothing is read outside
// the array.
std::shared_ptr<platform::Picture> DrawScreePlot(int32_t width, int32_t height);

}  // namespace corvane
