#pragma once

// Inside the framework only.
#include <QKeyEvent>
#include <string>

namespace platform {

// The text a KeyDown event receives for a key press: the typed characters, or Backspace "\b",
// Tab "\t", Return and Enter "\r", Escape "\x1B", Delete "\x7F"; Shift+Tab is Tab. "" for the keys
// that never reach KeyDown: arrows and other navigation keys, Ctrl/Alt/Meta shortcuts, lone
// modifiers.
std::string KeyDownText(const QKeyEvent& event);

}  // namespace platform
