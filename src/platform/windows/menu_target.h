#pragma once

#include <string>

namespace platform {

// What the menu layer needs of a window or of the application object: the menu handlers registered
// on it by item name, and its EnableMenuItems event.
class MenuTarget {
 public:
  virtual ~MenuTarget() = default;

  // Runs the handler registered under the item's name. Returns false when none is registered or
  // the handler returned false (the command may then be offered to the next target).
  virtual bool HandleMenuCommand(const std::string& itemName) = 0;
  // True when a handler is registered under the item's name.
  virtual bool HasMenuHandler(const std::string& itemName) const = 0;
  // Runs the target's EnableMenuItems event, if it has one.
  virtual void RunEnableMenuItems() = 0;
};

}  // namespace platform
