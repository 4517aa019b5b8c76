#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/core/delegate.h"
#include "platform/core/object.h"
#include "platform/windows/menu_target.h"

namespace platform {

class MenuBar;

// The application object: the last target of every menu command and of menu enabling, and the
// keeper of the menu bar that windows without one of their own show. A program subclasses it and
// names its EnableMenuItems handler in its class record's event table, as windows do.
class Application : public Object, public MenuTarget {
 public:
  Application() = default;
  ~Application() override = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static const ClassRecord& Lookup();

  const std::shared_ptr<platform::MenuBar>& MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<platform::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }

  // Registers the handler of a menu item, replacing an earlier one of that name. A handler
  // returns a Boolean: True when it dealt with the command for good, False to let the command go
  // on. Raises NilObjectException for a nil handler.
  void _AddMenuHandler(const std::string& itemName, const std::shared_ptr<Delegate>& handler);

  // The EnableMenuItems event, when the class handles it: runs whenever the menus are brought up
  // to date, after the items without AutoEnable have been disabled.
  void RunEnableMenuItems() override;

 private:
  std::shared_ptr<platform::MenuBar> menuBar_;
};

// Makes the object the application object, held by the framework from then on; nil unregisters.
void _RuntimeRegisterAppObject(std::shared_ptr<Application> app);
// The registered application object, or nil before one is registered.
std::shared_ptr<Application> _GetAppObject();

}  // namespace platform
