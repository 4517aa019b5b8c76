#include "shared/menu_items.h"

#include "platform/menus/application.h"

namespace corvane {

namespace {

// The application object's menu bar; raises the nil-object exception when no application object
// is registered.
std::shared_ptr<platform::MenuBar> AppMenuBar() {
  return platform::NotNil(platform::_GetAppObject()).MenuBar();
}

}  // namespace

std::shared_ptr<platform::AppleMenuItem> AboutUlk() {
  return MenuItemNamed<platform::AppleMenuItem>(AppMenuBar(), "AboutUlk");
}

std::shared_ptr<platform::MenuItem> AboutMenuItem() {
  return MenuItemNamed<platform::MenuItem>(AppMenuBar(), "AboutMenuItem");
}

std::shared_ptr<platform::MenuItem> DescriptionMenuItem() {
  return MenuItemNamed<platform::MenuItem>(AppMenuBar(), "DescriptionMenuItem");
}

std::shared_ptr<platform::MenuItem> ControlMenuItem() {
  return MenuItemNamed<platform::MenuItem>(AppMenuBar(), "ControlMenuItem");
}

}  // namespace corvane
