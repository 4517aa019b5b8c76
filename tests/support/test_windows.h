#pragma once

// The framework's own test windows, menu bar and application object: window classes described
// the way the program's are, whose handlers note what they saw, so that the framework's tests can
// drive them as a person would.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/apple_menu_item.h"
#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/class_record.h"
#include "platform/control_creation.h"
#include "platform/delegate.h"
#include "platform/event_loop.h"
#include "platform/implicit_instances.h"
#include "platform/invoker.h"
#include "platform/label.h"
#include "platform/menu_bar.h"
#include "platform/menu_target.h"
#include "platform/property_record.h"
#include "platform/push_button.h"
#include "platform/quit_menu_item.h"
#include "platform/set_properties.h"
#include "platform/text_area.h"
#include "platform/user_simulation.h"
#include "platform/window.h"
#include "support/scripted_user_interaction.h"

namespace testing_support {

// A borderless box without a close box that takes keys and clicks itself, like an About box: any
// of them notes itself in `journal` and hides the box.
class BoxWnd : public platform::Window {
 public:
  static std::shared_ptr<BoxWnd> Instance() { return platform::ImplicitInstance<BoxWnd>(); }
  static const platform::ClassRecord& Lookup() {
    static platform::ClassRecord* ctbl = nullptr;
    static const platform::ClassRecord& record = platform::DefineClass<BoxWnd>(
        ctbl, "BoxWnd.BoxWnd", &platform::Window::Lookup(),
        {platform::Method("Layout", "%%", &BoxWnd::Layout),
         platform::Method("CreateControls", "%%", &BoxWnd::CreateControls),
         platform::Method("Event_KeyDown", "%b%s", &BoxWnd::Event_KeyDown),
         platform::Method("Event_MouseDown", "%b%i4i4", &BoxWnd::Event_MouseDown)},
        {"Layout", "CreateControls", "KeyDown", "MouseDown"});
    return record;
  }

  void Layout() {
    platform::_SetProperties(*this, platform::PropertyRecord({{"Width", 200},
                                                              {"Height", 100},
                                                              {"Frame", 2},
                                                              {"CloseButton", false},
                                                              {"Visible", true}}));
  }
  // A label and a disabled picture, as an About box has; clicks on either belong to the box.
  void CreateControls() {
    using platform::PropertyRecord;
    platform::CreateControlsFromList(
        *this,
        {{&platform::Label::Lookup,
          "Notice",
          nullptr,
          PropertyRecord({{"Left", 0}, {"Top", 80}, {"Width", 200}, {"Height", 20}}),
          {}},
         {&platform::Canvas::Lookup,
          "Badge",
          nullptr,
          PropertyRecord(
              {{"Left", 50}, {"Top", 10}, {"Width", 100}, {"Height", 50}, {"Enabled", false}}),
          {}}});
  }
  bool Event_KeyDown(std::string key) { return Dismiss("KeyDown " + key); }
  bool Event_MouseDown(int32_t x, int32_t y) {
    return Dismiss("MouseDown " + std::to_string(x) + "," + std::to_string(y));
  }

  static inline std::vector<std::string> journal;
  static void Reset() {
    if (auto open = platform::_GetImplicitWindow(Lookup().name)) open->Close();
    journal.clear();
  }

 private:
  bool Dismiss(const std::string& entry) {
    journal.push_back(entry);
    Hide();
    return false;
  }
};

// A window class of the tests' own, described the way the program's windows are: a class record,
// a window record, a creation list and handlers bound by name. Every handler notes what it saw in
// `journal`; tests steer the handlers through the static hooks.
class TestWnd : public platform::Window {
 public:
  static std::shared_ptr<TestWnd> Instance();
  static const platform::ClassRecord& Lookup();

  std::shared_ptr<platform::TextArea> NameFld() { return Control<platform::TextArea>("NameFld"); }
  std::shared_ptr<platform::TextArea> CodeFld() { return Control<platform::TextArea>("CodeFld"); }
  std::shared_ptr<platform::PushButton> OkBtn() { return Control<platform::PushButton>("OkBtn"); }
  std::shared_ptr<platform::Canvas> Picture() { return Control<platform::Canvas>("Picture"); }

  void Layout();
  void CreateControls();
  void AddMenuHandlers(std::shared_ptr<platform::Window> self);
  bool NameFld_KeyDown(std::shared_ptr<platform::TextArea> field, std::string key);
  void OkBtn_Action(std::shared_ptr<platform::PushButton> button);
  void Picture_Open(std::shared_ptr<platform::Canvas> canvas);
  bool Picture_MouseDown(std::shared_ptr<platform::Canvas> canvas, int32_t x, int32_t y);
  void Event_Open();
  void Event_Close() { journal.push_back("Close"); }
  void Event_Activate() { journal.push_back("Activate"); }
  void Event_EnableMenuItems() { journal.push_back("EnableMenuItems"); }
  bool _HelloItem_Action();

  static std::vector<std::string> journal;
  static std::function<void(TestWnd&)> okAction;  // runs after OkBtn_Action noted the click
  static std::string swallowedKeys;               // the keys NameFld_KeyDown consumes
  static bool failLayout;
  static bool givesPosition;  // false: the record leaves the place to the framework
  // Closes the open window, if any, and clears the journal and the hooks.
  static void Reset();

 private:
  template <class C>
  std::shared_ptr<C> Control(const std::string& name) {
    return platform::RuntimeCheckCast<C>(_ControlByName(name));
  }
};

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

// Nothing open or registered before or after a test: the test windows closed, their journals and
// hooks cleared, no application object, no quit pending; every box, beep and dialog scripted.
class FrameworkSession : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override {
    Reset();
    platform::ProcessPendingEvents();
  }
  static void Reset() {
    TestWnd::Reset();
    BoxWnd::Reset();
    platform::_RuntimeRegisterAppObject(nullptr);
    platform::ResetQuitForTests();
  }
  // The window, with its construction left out of the journal.
  static std::shared_ptr<TestWnd> Opened() {
    auto window = TestWnd::Instance();
    TestWnd::journal.clear();
    return window;
  }
  ScriptedUserInteractionGuard user_;
};

}  // namespace testing_support
