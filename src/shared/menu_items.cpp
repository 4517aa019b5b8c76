#include "app/menu_items.h"

#include "app/handle_about_menu.h"

namespace corvane {

std::shared_ptr<platform::AppleMenuItem> AboutUlk() {
  return MenuItemNamed<platform::AppleMenuItem>(App()->MenuBar(), "AboutUlk");
}

std::shared_ptr<platform::MenuItem> AboutMenuItem() {
  return MenuItemNamed<platform::MenuItem>(App()->MenuBar(), "AboutMenuItem");
}

std::shared_ptr<platform::MenuItem> DescriptionMenuItem() {
  return MenuItemNamed<platform::MenuItem>(App()->MenuBar(), "DescriptionMenuItem");
}

std::shared_ptr<platform::MenuItem> ControlMenuItem() {
  return MenuItemNamed<platform::MenuItem>(App()->MenuBar(), "ControlMenuItem");
}

}  // namespace corvane
