#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/controls/canvas.h"
#include "platform/controls/push_button.h"
#include "platform/graphics/picture.h"
#include "platform/text_area/text_area.h"
#include "platform/windows/window.h"

// Drives windows as a person would, for tests: every function sends real Qt events that take the
// same path through the framework as the person's own, so key filters, limits, enabled states and
// exception reporting all apply. Hidden or disabled controls ignore clicks, as they would then.
namespace platform {

// One key press per character: "\r" is Return, "\n" the keypad's Enter, "\b" Backspace, "\t" Tab,
// "\x1B" Escape, "\x7F" Delete; every other character is typed as itself.
void TypeText(const std::shared_ptr<TextArea>& field, const std::string& keys);

// One key pressed with Alt held, as a shortcut attempt that carries the character's text.
void TypeWithAlt(const std::shared_ptr<TextArea>& field, const std::string& character);

// The text as an input method (dead keys, compose) commits it in one event.
void ComposeText(const std::shared_ptr<TextArea>& field, const std::string& text);

// Shift+Tab pressed in the field, as a keyboard reports it (the Backtab key with Shift held).
void PressShiftTab(const std::shared_ptr<TextArea>& field);

// Puts the text on the clipboard and presses Ctrl+V in the field.
void PasteText(const std::shared_ptr<TextArea>& field, const std::string& text);

// Presses and releases the mouse button in the middle of the button.
void ClickButton(const std::shared_ptr<PushButton>& button);

// Presses and releases the mouse button at (x, y) pixels from the canvas's top-left.
void PressMouseOnCanvas(const std::shared_ptr<Canvas>& canvas, int32_t x, int32_t y);

// A key (one character, coded as for TypeText) pressed while the window is frontmost: it goes to
// the window's focused control, or to the window itself when none has the focus.
void PressKeyInWindow(const std::shared_ptr<Window>& window, const std::string& key);

// Shift+Tab pressed while the window is frontmost, as PressShiftTab does, on whatever control has
// the focus (or the window itself when none has it).
void PressShiftTabInWindow(const std::shared_ptr<Window>& window);

// Presses and releases the mouse button at (x, y) pixels from the top-left of the window's content
// area, on whatever lies there.
void ClickInWindow(const std::shared_ptr<Window>& window, int32_t x, int32_t y);

// The close box, as the window manager reports a click on it.
void CloseByCloseBox(const std::shared_ptr<Window>& window);

// Brings the window to the front and makes it the active window (it must be shown).
void ActivateWindow(const std::shared_ptr<Window>& window);

// The title bar's minimize button pressed: the window goes out of sight but stays shown.
void MinimizeWindow(const std::shared_ptr<Window>& window);

// A window as the person and the window manager see it from outside.
struct WindowLook {
  bool shown = false;
  bool minimized = false;
  bool active = false;  // the one the keyboard goes to
  // What the window asks the window manager for: a title bar, and on it these buttons.
  bool titleBar = false;
  bool closeBox = false;
  bool minimizeBox = false;
  bool maximizeBox = false;
  bool resizable = false;  // false when its smallest and largest sizes are the same
  bool menuBar = false;
  // Where it lies on the screen, in pixels: its own edge included, the window manager's frame not.
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};
WindowLook LookOfWindow(const std::shared_ptr<Window>& window);

// Delivers every pending event, deferred deletions included.
void ProcessPendingEvents();

// Runs the action from the event loop, no sooner than `delayMilliseconds` from now, as a person's
// later action arrives while the program waits in its loop; like such an action it is held back
// while the background task runs. An exception the action lets pass is reported as a handler's
// is. Dropping the returned handle before the action ran cancels it.
std::shared_ptr<void> RunFromEventLoop(std::function<void()> action, int32_t delayMilliseconds = 0);

// Runs the action from the event loop as the window system delivers what is not a person's input
// (a close request from the window manager, say): unlike RunFromEventLoop it is not held back
// while the background task runs, as Qt delivers such events there too. The handle is
// RunFromEventLoop's.
std::shared_ptr<void> RunAsWindowSystemEvent(std::function<void()> action,
                                             int32_t delayMilliseconds = 0);

// The window's content area as it is drawn now, for tests that look at pixels.
std::shared_ptr<Picture> CaptureWindowContent(const std::shared_ptr<Window>& window);
// The whole window as it is drawn now: menu bar, content and its own edge.
std::shared_ptr<Picture> CaptureWindow(const std::shared_ptr<Window>& window);

}  // namespace platform
