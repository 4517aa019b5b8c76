#pragma once

#include <memory>
#include <vector>

#include "platform/menus/menu_item.h"

namespace platform {

// A menu bar: its children are the menus' title items. One bar may be shown by many windows; each
// window's on-screen bar is a view of this one model, so a state set through any route is seen
// in all of them.
class MenuBar : public MenuItem {
 public:
  MenuBar();

  static const ClassRecord& Lookup();

  // Every item of the bar, menus and their items at any depth, in order; the bar itself excluded.
  std::vector<std::shared_ptr<MenuItem>> AllItems() const;
};

}  // namespace platform
