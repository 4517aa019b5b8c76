#pragma once

#include <string>

namespace corvane {

// What the scree calculation needs of the main window; with only these four operations the
// calculation runs, and is tested, without any window.
class ScreeCalculationWindow {
 public:
  virtual ~ScreeCalculationWindow() = default;

  // The whole text of the variable-count field.
  virtual std::string VariableCountText() = 0;
  // The whole text of the eigenvalue field.
  virtual std::string EigenvalueText() = 0;
  // Replaces the whole text of the eigenvalue field.
  virtual void SetEigenvalueText(const std::string& text) = 0;
  // A modal message box with an OK button; returns once it is dismissed.
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace corvane
