#pragma once

#include <memory>
#include <string>

#include "platform/core/delegate.h"
#include "platform/windows/menu_handlers.h"

namespace platform {

// What the menu layer needs of a window or of the application object: the menu handlers registered
// on it by item name, and its EnableMenuItems event.
class MenuTarget {
 public:
  virtual ~MenuTarget() = default;

  // Runs the handler registered under the item's name. Returns false when none is registered or
  // the handler returned false (the command may then be offered to the next target).
  virtual bool HandleMenuCommand(const std::string& itemName) {
    return menuHandlers_.Run(itemName);
  }
  // True when a handler is registered under the item's name.
  virtual bool HasMenuHandler(const std::string& itemName) const {
    return menuHandlers_.Has(itemName);
  }
  // The handler registered under the item's name, or nil.
  std::shared_ptr<Delegate> MenuHandler(const std::string& itemName) const {
    return menuHandlers_.Find(itemName);
  }
  // Runs the target's EnableMenuItems event, if it has one.
  virtual void RunEnableMenuItems() = 0;

 protected:
  MenuHandlers menuHandlers_;
};

}  // namespace platform
