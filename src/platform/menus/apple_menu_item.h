#pragma once

#include "platform/menus/menu_item.h"

namespace platform {

// An item that belongs with the application's own commands, such as its About item. It behaves
// like any other item and is shown where it was appended.
class AppleMenuItem : public MenuItem {
 public:
  static const ClassRecord& Lookup();
};

}  // namespace platform
