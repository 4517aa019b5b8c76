#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/class_record.h"
#include "platform/windows/window.h"

namespace platform {

// One of a window's control events bound to one of the window's operations.
struct EventBinding {
  int32_t eventNumber;      // TextArea::kKeyDownEvent, PushButton::kActionEvent, ...
  std::string handlerName;  // the window's operation, taken from its method table
  std::string signature;    // the delegate's signature text, "( PushButton )"
};

// One line of a window's creation list.
struct ControlCreation {
  const ClassRecord& (*controlClass)();  // &platform::TextArea::Lookup
  std::string name;
  // The values no record carries (TextSize, TextUnit, Backdrop); runs after the control was added,
  // so it reaches the control through the window's accessor. May be empty.
  std::function<void()> setInCode;
  std::string record;  // the control's property record
  std::vector<EventBinding> bindings;
};

// Creates the controls in list order, each in these steps: create it from its class record, add it
// to the window under its name, set the values set in code, apply its property record (so record
// values come after code-set ones), then bind its events to delegates that hold the window weakly.
void CreateControlsFromList(Window& window, const std::vector<ControlCreation>& controls);

}  // namespace platform
