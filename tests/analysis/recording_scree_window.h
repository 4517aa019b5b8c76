#pragma once

#include <string>
#include <utility>
#include <vector>

#include "analysis/scree_calculation_window.h"

namespace testing_support {

// Holds the two field texts in memory and records every message box instead of showing it.
class RecordingScreeWindow : public corvane::ScreeCalculationWindow {
 public:
  RecordingScreeWindow(std::string variableCount, std::string eigenvalues)
      : variableCountText(std::move(variableCount)), eigenvalueText(std::move(eigenvalues)) {}

  std::string VariableCountText() override { return variableCountText; }
  std::string EigenvalueText() override { return eigenvalueText; }
  void SetEigenvalueText(const std::string& text) override {
    eigenvalueText = text;
    ++eigenvalueTextWrites;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::string variableCountText;
  std::string eigenvalueText;
  int eigenvalueTextWrites = 0;
  std::vector<std::string> messages;
};

}  // namespace testing_support
