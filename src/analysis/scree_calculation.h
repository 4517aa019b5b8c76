#pragma once

#include "analysis/scree_calculation_window.h"

namespace corvane {

// The standard error scree test on the window's eigenvalues: regresses eigenvalues k..n on their
// ordinals for every step k from 1 to n-2, counts the steps whose standard error reaches 1/n,
// replaces the eigenvalue text with the report and keeps the results in Module1 for the graph.
// Problems with the input are told through the window's message boxes.
void CalculateScree(ScreeCalculationWindow& window);

}  // namespace corvane
