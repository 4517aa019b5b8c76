#pragma once

#include "platform/menus/menu_item.h"

namespace platform {

// Choosing it quits the application, unless a menu handler of its name claims the command.
class QuitMenuItem : public MenuItem {
 public:
  static const ClassRecord& Lookup();
};

}  // namespace platform
