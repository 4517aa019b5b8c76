#include "shared/menu.h"

#include <string>
#include <vector>

#include "platform/core/background_task.h"
#include "platform/core/exceptions.h"
#include "platform/core/invoker.h"
#include "platform/menus/apple_menu_item.h"
#include "platform/menus/quit_menu_item.h"

namespace corvane {

namespace {

std::shared_ptr<Menu> implicitInstance;

// One row of the menu table. A null shortcut is one that is never set (the separator).
struct ItemRow {
  const platform::ClassRecord& (*itemClass)();
  const char* name;
  bool autoEnable;
  const char* text;
  const char* shortcut;
};

std::shared_ptr<platform::MenuItem> NewItem(const ItemRow& row) {
  auto item =
      platform::RuntimeCheckCast<platform::MenuItem>(platform::RuntimeNewObject(row.itemClass()));
  item->SetName(row.name);
  item->SetAutoEnable(row.autoEnable);
  item->SetText(row.text);
  if (row.shortcut != nullptr) item->SetKeyboardShortcut(row.shortcut);
  return item;
}

// A menu title among the bar's own children, looked up again for every item appended.
std::shared_ptr<platform::MenuItem> TitleItem(const platform::MenuBar& bar,
                                              const std::string& name) {
  for (int32_t i = 0; i < bar.Count(); ++i) {
    if (bar.Item(i)->Name() == name) return bar.Item(i);
    platform::RuntimeBackgroundTask();
  }
  return nullptr;
}

void AppendMenu(platform::MenuBar& bar, const char* title, const char* caption,
                const std::vector<ItemRow>& items) {
  bar.Append(NewItem({&platform::MenuItem::Lookup, title, false, caption, ""}));
  for (const ItemRow& row : items) {
    platform::NotNil(TitleItem(bar, title)).Append(NewItem(row));
    platform::RuntimeBackgroundTask();
  }
}

}  // namespace

std::shared_ptr<Menu> Menu::Instance() {
  if (!implicitInstance) {
    auto menu = platform::RuntimeCheckCast<Menu>(platform::RuntimeNewObject(Lookup()));
    menu->Constructor();
    implicitInstance = menu;
  }
  return implicitInstance;
}

void Menu::ReleaseInstance() {
  implicitInstance.reset();
}

const platform::ClassRecord& Menu::Lookup() {
  return platform::DeclareClass<Menu>("Menu.Menu", &platform::MenuBar::Lookup, [] {
    using platform::Method;
    return platform::PublicClass({
        Method("Constructor", "%%", &Menu::Constructor),
        Method("Untitled1", "%%", &Menu::Untitled1),
        Method("Untitled2", "%%", &Menu::Untitled2),
        Method("Untitled3", "%%", &Menu::Untitled3),
    });
  });
}

void Menu::Constructor() {
  Untitled1();
  Untitled2();
  Untitled3();
}

void Menu::Untitled1() {
  AppendMenu(*this, "FileMenu", "File",
             {
                 {&platform::MenuItem::Lookup, "Print", true, "Print", ""},
                 {&platform::QuitMenuItem::Lookup, "FileQuit", true, "Quit", "Cmd+Q"},
             });
}

void Menu::Untitled2() {
  AppendMenu(*this, "UntitledMenu0", "Edit",
             {
                 {&platform::MenuItem::Lookup, "EditUndo", false, "Undo", "Cmd+Z"},
                 {&platform::MenuItem::Lookup, "UntitledMenu1", false, "-", nullptr},
                 {&platform::MenuItem::Lookup, "EditCut", false, "Cut", "Cmd+X"},
                 {&platform::MenuItem::Lookup, "EditCopy", false, "Copy", "Cmd+C"},
                 {&platform::MenuItem::Lookup, "EditPaste", false, "Paste", "Cmd+V"},
                 {&platform::MenuItem::Lookup, "EditClear", false, "", ""},
             });
}

void Menu::Untitled3() {
  AppendMenu(*this, "WindowMenu", "Window",
             {
                 {&platform::MenuItem::Lookup, "ControlMenuItem", false, "Control", ""},
                 {&platform::MenuItem::Lookup, "DescriptionMenuItem", false, "Description", ""},
                 {&platform::MenuItem::Lookup, "AboutMenuItem", false, "About Corvane", ""},
                 {&platform::AppleMenuItem::Lookup, "AboutUlk", false, "About Corvane", ""},
             });
}

}  // namespace corvane
