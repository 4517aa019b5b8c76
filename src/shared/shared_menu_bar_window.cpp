#include "shared/shared_menu_bar_window.h"

#include <iterator>

#include "platform/core/invoker.h"
#include "shared/menu_items.h"

namespace corvane {

using platform::AppleMenuItem;
using platform::MenuItem;
using platform::QuitMenuItem;

std::shared_ptr<MenuItem> SharedMenuBarWindow::WindowMenu() {
  return MenuItemNamed<MenuItem>(MenuBar(), "WindowMenu");
}
std::shared_ptr<AppleMenuItem> SharedMenuBarWindow::AboutUlk() {
  return MenuItemNamed<AppleMenuItem>(MenuBar(), "AboutUlk");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::AboutMenuItem() {
  return MenuItemNamed<MenuItem>(MenuBar(), "AboutMenuItem");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::DescriptionMenuItem() {
  return MenuItemNamed<MenuItem>(MenuBar(), "DescriptionMenuItem");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::ControlMenuItem() {
  return MenuItemNamed<MenuItem>(MenuBar(), "ControlMenuItem");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::UntitledMenu0() {
  return MenuItemNamed<MenuItem>(MenuBar(), "UntitledMenu0");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::EditClear() {
  return MenuItemNamed<MenuItem>(MenuBar(), "EditClear");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::EditPaste() {
  return MenuItemNamed<MenuItem>(MenuBar(), "EditPaste");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::EditCopy() {
  return MenuItemNamed<MenuItem>(MenuBar(), "EditCopy");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::EditCut() {
  return MenuItemNamed<MenuItem>(MenuBar(), "EditCut");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::UntitledMenu1() {
  return MenuItemNamed<MenuItem>(MenuBar(), "UntitledMenu1");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::EditUndo() {
  return MenuItemNamed<MenuItem>(MenuBar(), "EditUndo");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::FileMenu() {
  return MenuItemNamed<MenuItem>(MenuBar(), "FileMenu");
}
std::shared_ptr<QuitMenuItem> SharedMenuBarWindow::FileQuit() {
  return MenuItemNamed<QuitMenuItem>(MenuBar(), "FileQuit");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::Print() {
  return MenuItemNamed<MenuItem>(MenuBar(), "Print");
}
std::shared_ptr<MenuItem> SharedMenuBarWindow::UntitledMenu3() {
  return MenuItemNamed<MenuItem>(MenuBar(), "UntitledMenu3");
}

std::vector<platform::MemberRecord> SharedMenuBarWindow::MethodTable(
    std::vector<platform::MemberRecord> before, std::vector<platform::MemberRecord> after) {
  using platform::Method;
  using W = SharedMenuBarWindow;
  std::vector<platform::MemberRecord> accessors = {
      Method("WindowMenu", "%o<MenuItem>%", &W::WindowMenu),
      Method("AboutUlk", "%o<AppleMenuItem>%", &W::AboutUlk),
      Method("AboutMenuItem", "%o<MenuItem>%", &W::AboutMenuItem),
      Method("DescriptionMenuItem", "%o<MenuItem>%", &W::DescriptionMenuItem),
      Method("ControlMenuItem", "%o<MenuItem>%", &W::ControlMenuItem),
      Method("UntitledMenu0", "%o<MenuItem>%", &W::UntitledMenu0),
      Method("EditClear", "%o<MenuItem>%", &W::EditClear),
      Method("EditPaste", "%o<MenuItem>%", &W::EditPaste),
      Method("EditCopy", "%o<MenuItem>%", &W::EditCopy),
      Method("EditCut", "%o<MenuItem>%", &W::EditCut),
      Method("UntitledMenu1", "%o<MenuItem>%", &W::UntitledMenu1),
      Method("EditUndo", "%o<MenuItem>%", &W::EditUndo),
      Method("FileMenu", "%o<MenuItem>%", &W::FileMenu),
      Method("FileQuit", "%o<QuitMenuItem>%", &W::FileQuit),
      Method("Print", "%o<MenuItem>%", &W::Print),
      Method("UntitledMenu3", "%o<MenuItem>%", &W::UntitledMenu3),
  };
  std::vector<platform::MemberRecord> table = std::move(before);
  table.insert(table.end(), std::make_move_iterator(accessors.begin()),
               std::make_move_iterator(accessors.end()));
  table.insert(table.end(), std::make_move_iterator(after.begin()),
               std::make_move_iterator(after.end()));
  return table;
}

}  // namespace corvane
