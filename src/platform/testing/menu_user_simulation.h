#pragma once

#include <string>
#include <vector>

// Drives the menus as a person would, for tests, in the active window's menu bar: through the
// same Qt menus, actions and shortcuts a person uses, so enabling, routing and exception
// reporting all apply.
namespace platform {

// Opens the menu whose title item bears the name, as a click on its title does, and closes it
// again. Returns the names of the items it showed enabled, in menu order. Raises
// NilObjectException when the active window shows no such menu.
std::vector<std::string> OpenMenu(const std::string& menuName);

// Opens the item's menu and clicks the item when it is shown enabled. Returns false for a
// disabled item, which is left alone. Raises NilObjectException when the active window shows no
// item of that name.
bool ChooseMenuItem(const std::string& itemName);

// Opens the menu with a click on its title in the active window's bar, as a person does with the
// mouse, and closes it again with Escape, as one who changed their mind does. Raises
// NilObjectException when the active window shows no such menu or the menu did not open.
void OpenMenuThenPressEscape(const std::string& menuName);

// Presses a shortcut such as "Cmd+Q" in the active window: a shortcut that matches takes it,
// otherwise the focused control gets the key, as with a real keyboard. Raises NilObjectException
// when no window is active.
void PressShortcut(const std::string& shortcut);

}  // namespace platform
