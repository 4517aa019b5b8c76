#pragma once

#include <memory>

namespace platform {

class MenuBar;
class MenuItem;
class MenuTarget;

// Brings every item's Enabled up to date for the window (nil when none is active): items without
// AutoEnable are disabled and the others enabled, the standard Edit items are enabled while they
// apply to the window's focused text area, then the EnableMenuItems events of the window and of
// the application object run, in that order.
void RefreshMenuItems(MenuBar& bar, const std::shared_ptr<MenuTarget>& window);

// Offers the item's command to the window's handlers, then to the application object's; when
// neither claims it (a handler returning True), the framework's own action of the item is carried
// out: a QuitMenuItem quits, a standard Edit item acts on the window's focused text area.
void CarryOutMenuCommand(const MenuItem& item, const std::shared_ptr<MenuTarget>& window);

// What a click on an item or its shortcut does: the states are brought up to date, then the item
// is carried out if it is enabled. An exception that leaves a handler is reported here and goes
// no further. Returns whether the item was enabled.
bool RunChosenMenuItem(MenuBar& bar, const MenuItem& item,
                       const std::shared_ptr<MenuTarget>& window);

}  // namespace platform
