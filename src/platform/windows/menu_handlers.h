#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/core/delegate.h"
#include "platform/core/object.h"

namespace platform {

// The menu handlers of one target (a window or the application object) by item name.
class MenuHandlers {
 public:
  // Registers the handler of a menu item, replacing an earlier one of that name. The owner owns
  // its registrations: one holding the owner itself is kept weakly, as holding it strongly would
  // keep the owner alive for ever. Raises NilObjectException for a nil handler.
  void Add(const Object& owner, const std::string& itemName,
           const std::shared_ptr<Delegate>& handler);
  // Runs the handler registered under the item's name and returns its result; false when none is
  // registered. The handler may replace its own registration while it runs.
  bool Run(const std::string& itemName) const;
  bool Has(const std::string& itemName) const;
  // The handler registered under the item's name, or nil.
  std::shared_ptr<Delegate> Find(const std::string& itemName) const;
  void Clear();

 private:
  std::map<std::string, std::shared_ptr<Delegate>> handlers_;
};

}  // namespace platform
