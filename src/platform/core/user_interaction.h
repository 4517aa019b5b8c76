#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class PrinterSetup;
struct ExportChoice;

// Every user interaction that blocks goes through one replaceable provider: the Qt provider shows
// real modal boxes; tests install a scripted one that records what was shown and answers.
class UserInteraction {
 public:
  virtual ~UserInteraction() = default;

  // A modal box with the text and an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A modal question; buttons 36 is Yes/No with the question icon. Returns 6 for Yes, 7 for No.
  virtual int32_t AskQuestion(const std::string& prompt, int32_t buttons,
                              const std::string& title) = 0;
  // The desktop's bell.
  virtual void Beep() = 0;
  // The desktop's print dialog on the setup, which it fills in. False when the user cancels.
  virtual bool ChoosePrinter(PrinterSetup& setup) = 0;
  // The desktop's save dialog for a picture, starting from the choice, which it fills in. False
  // when the user cancels.
  virtual bool ChooseExportFile(ExportChoice& choice) = 0;
};

// Answers of MsgBox(prompt, 36, title).
constexpr int32_t kMsgBoxYesNoQuestion = 36;
constexpr int32_t kMsgBoxYes = 6;
constexpr int32_t kMsgBoxNo = 7;

// Inside the framework only: the provider that shows real modal boxes. It lives in the system
// layer (user_interaction_qt.cpp), above the graphics and printing it opens dialogs for; declared
// here so that this layer can fall back on it without naming a layer above.
std::shared_ptr<UserInteraction> MakeQtUserInteraction();

// The provider in force: the installed one, else the Qt provider.
UserInteraction& CurrentUserInteraction();
// Installs a provider (nullptr restores the Qt provider).
void SetUserInteraction(std::shared_ptr<UserInteraction> provider);

void MsgBox(const std::string& text);
int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title);
void Beep();

}  // namespace platform
