#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/text_area/text_area.h"

// Watches what keys reach a field, for tests of the scripted user itself: an observer that names
// each key as Qt names it in a shortcut, independently of how the scripted user chose it.
namespace platform {

class KeyPressRecorder {
 public:
  // Notes every key pressed in the field from now on, while the recorder lives.
  explicit KeyPressRecorder(const std::shared_ptr<TextArea>& field);
  ~KeyPressRecorder();
  KeyPressRecorder(const KeyPressRecorder&) = delete;
  KeyPressRecorder& operator=(const KeyPressRecorder&) = delete;

  // Each press as its key and modifiers read in a shortcut: "Return", "Num+Enter" (the keypad's
  // Enter), "Shift+Backtab", "Alt+E".
  const std::vector<std::string>& Presses() const;

 private:
  class Filter;
  std::unique_ptr<Filter> filter_;
};

}  // namespace platform
