#pragma once

#include <memory>
#include <string>

#include "platform/core/class_record.h"
#include "platform/menus/apple_menu_item.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/menu_item.h"
#include "platform/menus/quit_menu_item.h"

namespace corvane {

// The item of that name anywhere in the menu bar, as its class; nil when no item bears the name.
// Raises the nil-object exception for a nil menu bar and the cast exception for an item of another
// class.
template <class T>
std::shared_ptr<T> MenuItemNamed(const std::shared_ptr<platform::MenuBar>& menuBar,
                                 const std::string& name) {
  std::shared_ptr<platform::MenuItem> item = platform::NotNil(menuBar)._Lookup(name);
  if (!item) return nullptr;
  return platform::RuntimeCheckCast<T>(item);
}

// The items the program enables, reached through the application object's menu bar.
std::shared_ptr<platform::AppleMenuItem> AboutUlk();
std::shared_ptr<platform::MenuItem> AboutMenuItem();
std::shared_ptr<platform::MenuItem> DescriptionMenuItem();
std::shared_ptr<platform::MenuItem> ControlMenuItem();

}  // namespace corvane
