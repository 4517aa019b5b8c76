#pragma once

// Inside the framework only: where the Qt side puts a window as it appears.
#include <cstdint>

#include "platform/windows/window_placement.h"

namespace platform {

class WindowWidget;

// Moves the window's widget, just before it is shown, to its place by the rules of
// window_placement.h: a given position (anything but 0, 0) kept on screen; otherwise a document
// window cascaded from the top-left, a box centred over the window the person last worked in or
// the screen.
void PlaceWindow(WindowWidget& widget, int32_t frame, ScreenPoint given);

}  // namespace platform
