#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/class_record.h"
#include "platform/core/delegate.h"
#include "platform/core/invoker.h"
#include "platform/menus/apple_menu_item.h"
#include "platform/menus/application.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/quit_menu_item.h"
#include "platform/windows/menu_target.h"

namespace testing_support {

// A bar shaped like the program's: File, Edit and Window menus, plus HelloItem (Cmd+K), which
// nothing enables unless a test does.
inline std::shared_ptr<platform::MenuBar> MakeTestMenuBar() {
  auto bar = std::make_shared<platform::MenuBar>();
  auto add = [](platform::MenuItem& parent, std::shared_ptr<platform::MenuItem> item,
                const std::string& name, bool autoEnable, const std::string& text,
                const std::string& shortcut) {
    item->SetName(name);
    item->SetAutoEnable(autoEnable);
    item->SetText(text);
    item->SetKeyboardShortcut(shortcut);
    parent.Append(item);
    return item;
  };
  auto plain = [] { return std::make_shared<platform::MenuItem>(); };
  auto file = add(*bar, plain(), "FileMenu", false, "File", "");
  add(*file, plain(), "Print", true, "Print", "");
  add(*file, std::make_shared<platform::QuitMenuItem>(), "FileQuit", true, "Quit", "Cmd+Q");
  auto edit = add(*bar, plain(), "UntitledMenu0", false, "Edit", "");
  add(*edit, plain(), "EditUndo", false, "Undo", "Cmd+Z");
  add(*edit, plain(), "UntitledMenu1", false, "-", "");
  add(*edit, plain(), "EditCut", false, "Cut", "Cmd+X");
  add(*edit, plain(), "EditCopy", false, "Copy", "Cmd+C");
  add(*edit, plain(), "EditPaste", false, "Paste", "Cmd+V");
  add(*edit, plain(), "EditClear", false, "", "");
  auto window = add(*bar, plain(), "WindowMenu", false, "Window", "");
  add(*window, plain(), "HelloItem", false, "Hello", "Cmd+K");
  add(*window, std::make_shared<platform::AppleMenuItem>(), "AboutUlk", false, "About", "");
  return bar;
}

// An application object like the program's: its EnableMenuItems event (named in its class
// record) enables AboutUlk and then runs `onEnable`; its handlers write into `journal`.
class MenuTestApp : public platform::Application {
 public:
  static const platform::ClassRecord& Lookup() {
    static platform::ClassRecord* ctbl = nullptr;
    static const platform::ClassRecord& record = platform::DefineClass<MenuTestApp>(
        ctbl, "MenuTestApp", &platform::Application::Lookup(),
        {platform::Method("Event_EnableMenuItems", "%%", &MenuTestApp::Event_EnableMenuItems)},
        {"EnableMenuItems"});
    return record;
  }

  // Made from its record with the bar, and registered as the application object.
  static std::shared_ptr<MenuTestApp> Register(std::shared_ptr<platform::MenuBar> bar) {
    auto app = platform::RuntimeCheckCast<MenuTestApp>(platform::RuntimeNewObject(Lookup()));
    app->SetMenuBar(std::move(bar));
    platform::_RuntimeRegisterAppObject(app);
    return app;
  }

  void Event_EnableMenuItems() {
    journal.push_back("app EnableMenuItems");
    NotNil(MenuBar()->_Lookup("AboutUlk")).SetEnabled(true);
    if (onEnable) onEnable();
  }

  // Registers a handler that journals "app <item>" and returns `result`.
  void AddJournallingHandler(const std::string& itemName, bool result) {
    platform::Invoker invoker = [this, itemName, result](platform::Object&,
                                                         const std::vector<platform::Value>&) {
      journal.push_back("app " + itemName);
      return platform::Value(result);
    };
    _AddMenuHandler(itemName, platform::RuntimeCreateDelegate(invoker, itemName, shared_from_this(),
                                                              "(  ) as Boolean", true));
  }

  std::vector<std::string> journal;
  std::function<void()> onEnable;
};

// A menu target that is not a window: handlers by name with fixed results, into a shared journal.
class FakeWindowTarget : public platform::MenuTarget {
 public:
  explicit FakeWindowTarget(std::vector<std::string>& journal) : journal_(journal) {}

  void AddHandler(const std::string& itemName, bool result) { results_[itemName] = result; }

  bool HandleMenuCommand(const std::string& itemName) override {
    auto found = results_.find(itemName);
    if (found == results_.end()) return false;
    journal_.push_back("window " + itemName);
    return found->second;
  }
  bool HasMenuHandler(const std::string& itemName) const override {
    return results_.count(itemName) > 0;
  }
  void RunEnableMenuItems() override {
    journal_.push_back("window EnableMenuItems");
    if (onEnable) onEnable();
  }

  std::function<void()> onEnable;

 private:
  std::vector<std::string>& journal_;
  std::map<std::string, bool> results_;
};

}  // namespace testing_support
