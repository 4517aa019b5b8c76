#pragma once

// Inside the framework only: the window a box or dialog belongs to.
#include <QWidget>

namespace platform {

class WindowWidget;

// Notes the window as the one the person works in now, as it becomes active.
void NoteWindowWorkedIn(WindowWidget& widget);

// The window of the program the person last worked in that is still shown and not minimized, or
// nullptr when none is left. Boxes and dialogs come up over it; between two boxes no window is
// active, so the active window alone would leave the second box without one.
QWidget* WindowLastWorkedIn();

}  // namespace platform
