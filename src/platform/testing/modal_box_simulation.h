#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reads and answers the desktop's own modal boxes (those of the Qt provider), for tests of how
// they look; run from the event loop while the box waits (RunFromEventLoop).
namespace platform {

class Window;

struct ModalBoxView {
  std::string title;
  std::string text;
  std::vector<std::string> buttons;  // their captions, mnemonic marks left out
  bool buttonIcons = false;          // whether any button shows an icon beside its caption
  int32_t titleTextWidth = 0;        // what the title needs in the box's font
  // Where the box lies on the screen, in pixels, and the window it belongs to (nullptr: none).
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  const Window* owner = nullptr;
  // The widest line of the text as the box breaks it, and the width the box gives its text.
  int32_t widestTextLine = 0;
  int32_t textRoom = 0;
};

// The modal box in front, or nothing when none is shown.
std::optional<ModalBoxView> FrontModalBox();

// Clicks the button of the front modal box that bears the caption; false when there is none.
bool PressModalBoxButton(const std::string& caption);

}  // namespace platform
