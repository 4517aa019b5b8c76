#include "platform/core/user_interaction.h"

namespace platform {
namespace {
std::shared_ptr<UserInteraction> installedProvider;
}  // namespace

UserInteraction& CurrentUserInteraction() {
  if (!installedProvider) installedProvider = MakeQtUserInteraction();
  return *installedProvider;
}

void SetUserInteraction(std::shared_ptr<UserInteraction> provider) {
  installedProvider = std::move(provider);
}

void MsgBox(const std::string& text) {
  CurrentUserInteraction().ShowMessage(text);
}

int32_t MsgBox(const std::string& prompt, int32_t buttons, const std::string& title) {
  return CurrentUserInteraction().AskQuestion(prompt, buttons, title);
}

void Beep() {
  CurrentUserInteraction().Beep();
}

}  // namespace platform
