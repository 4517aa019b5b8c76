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

#include "platform/controls/canvas.h"
#include "platform/controls/push_button.h"
#include "platform/core/class_record.h"
#include "platform/core/delegate.h"
#include "platform/core/event_loop.h"
#include "platform/core/invoker.h"
#include "platform/menus/apple_menu_item.h"
#include "platform/menus/application.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/quit_menu_item.h"
#include "platform/properties/property_record.h"
#include "platform/properties/set_properties.h"
#include "platform/testing/user_simulation.h"
#include "platform/text_area/text_area.h"
#include "platform/windows/control_creation.h"
#include "platform/windows/implicit_instances.h"
#include "platform/windows/menu_target.h"
#include "platform/windows/window.h"
#include "support/scripted_user_interaction.h"

namespace testing_support {

// A window class of the tests' own, described the way the program's windows are: a class record,
// a window record, a creation list and handlers bound by name. Every handler notes what it saw in
// `journal`; tests steer the handlers through the static hooks.
class TestWnd : public platform::Window {
 public:
  static std::shared_ptr<TestWnd> Instance() { return platform::ImplicitInstance<TestWnd>(); }
  static const platform::ClassRecord& Lookup() {
    return platform::DeclareClass<TestWnd>("TestWnd.TestWnd", &platform::Window::Lookup, [] {
      return platform::PublicClass(
          {platform::Method("Layout", "%%", &TestWnd::Layout),
           platform::Method("CreateControls", "%%", &TestWnd::CreateControls),
           platform::Method("AddMenuHandlers", "%%o<Window>", &TestWnd::AddMenuHandlers),
           platform::Method("NameFld_KeyDown", "%b%o<TextArea>s", &TestWnd::NameFld_KeyDown),
           platform::Method("OkBtn_Action", "%%o<PushButton>", &TestWnd::OkBtn_Action),
           platform::Method("Picture_Open", "%%o<Canvas>", &TestWnd::Picture_Open),
           platform::Method("Picture_MouseDown", "%b%o<Canvas>i4i4", &TestWnd::Picture_MouseDown),
           platform::Method("Event_Open", "%%", &TestWnd::Event_Open),
           platform::Method("Event_Close", "%%", &TestWnd::Event_Close),
           platform::Method("Event_Activate", "%%", &TestWnd::Event_Activate),
           platform::Method("Event_EnableMenuItems", "%%", &TestWnd::Event_EnableMenuItems),
           platform::Method("_HelloItem_Action", "%b%", &TestWnd::_HelloItem_Action)},
          {"Layout", "CreateControls", "AddMenuHandlers", "Open", "Close", "Activate",
           "EnableMenuItems"});
    });
  }

  std::shared_ptr<platform::TextArea> NameFld() { return Control<platform::TextArea>("NameFld"); }
  std::shared_ptr<platform::TextArea> CodeFld() { return Control<platform::TextArea>("CodeFld"); }
  std::shared_ptr<platform::PushButton> OkBtn() { return Control<platform::PushButton>("OkBtn"); }
  std::shared_ptr<platform::Canvas> Picture() { return Control<platform::Canvas>("Picture"); }

  void Layout() {
    journal.push_back("Layout");
    if (failLayout) throw platform::OutOfBoundsException("Layout failed");
    const int32_t given = givesPosition ? 1 : 0;
    const std::string record = platform::PropertyRecord({{"Width", 320},
                                                         {"Height", 240},
                                                         {"Left", 40 * given},
                                                         {"Top", 50 * given},
                                                         {"Visible", true}});
    platform::_SetProperties(*this, record);
  }
  void CreateControls() {
    journal.push_back("CreateControls");
    using platform::Canvas;
    using platform::EventBinding;
    using platform::PushButton;
    using platform::TextArea;
    const std::string nameRecord = platform::PropertyRecord(
        {{"Left", 10}, {"Top", 10}, {"Width", 200}, {"Height", 60}, {"TextFont", "Courier"}});
    const std::string codeRecord = platform::PropertyRecord(
        {{"Left", 10}, {"Top", 80}, {"Width", 50}, {"Height", 22}, {"LimitText", 2}});
    const std::string okRecord = platform::PropertyRecord(
        {{"Left", 230}, {"Top", 10}, {"Width", 80}, {"Height", 30}, {"Caption", "OK"}});
    const std::string pictureRecord =
        platform::PropertyRecord({{"Left", 10}, {"Top", 140}, {"Width", 40}, {"Height", 30}});
    const EventBinding keyDown{TextArea::kKeyDownEvent, "NameFld_KeyDown",
                               "( TextArea, String ) as Boolean"};
    const EventBinding action{PushButton::kActionEvent, "OkBtn_Action", "( PushButton )"};
    const EventBinding open{Canvas::kOpenEvent, "Picture_Open", "( Canvas )"};
    const EventBinding mouseDown{Canvas::kMouseDownEvent, "Picture_MouseDown",
                                 "( Canvas, Int32, Int32 ) as Boolean"};
    auto setTextSize = [this] { NameFld()->SetTextSize(12); };
    platform::CreateControlsFromList(
        *this, {{&TextArea::Lookup, "NameFld", setTextSize, nameRecord, {keyDown}},
                {&TextArea::Lookup, "CodeFld", nullptr, codeRecord, {}},
                {&PushButton::Lookup, "OkBtn", nullptr, okRecord, {action}},
                {&Canvas::Lookup, "Picture", nullptr, pictureRecord, {open, mouseDown}}});
  }
  void AddMenuHandlers(std::shared_ptr<platform::Window> self) {
    journal.push_back("AddMenuHandlers");
    self->_AddMenuHandler("HelloItem", platform::DelegateFromMethodTable(self, "_HelloItem_Action",
                                                                         "(  ) as Boolean", false));
  }
  bool NameFld_KeyDown(std::shared_ptr<platform::TextArea> field, std::string key) {
    Note("KeyDown", *field, std::to_string(key.empty() ? 0 : key[0]));
    if (key == "!") throw std::runtime_error("filter failed");
    return swallowedKeys.find(key) != std::string::npos;
  }
  void OkBtn_Action(std::shared_ptr<platform::PushButton> button) {
    Note("Action", *button);
    if (okAction) okAction(*this);
  }
  void Picture_Open(std::shared_ptr<platform::Canvas> canvas) {
    Note("Open", *canvas, std::to_string(canvas->Width()) + "x" + std::to_string(canvas->Height()));
  }
  bool Picture_MouseDown(std::shared_ptr<platform::Canvas> canvas, int32_t x, int32_t y) {
    Note("MouseDown", *canvas, std::to_string(x) + "," + std::to_string(y));
    return true;
  }
  void Event_Open() {
    journal.push_back(std::string("Open visible=") + (Visible() ? "1" : "0") +
                      " same=" + (Instance().get() == this ? "1" : "0"));
  }
  void Event_Close() { journal.push_back("Close"); }
  void Event_Activate() { journal.push_back("Activate"); }
  void Event_EnableMenuItems() { journal.push_back("EnableMenuItems"); }
  bool _HelloItem_Action() {
    journal.push_back("HelloItem");
    return false;
  }

  static inline std::vector<std::string> journal;
  static inline std::function<void(TestWnd&)> okAction;  // runs after OkBtn_Action noted the click
  static inline std::string swallowedKeys;               // the keys NameFld_KeyDown consumes
  static inline bool failLayout = false;
  static inline bool givesPosition = true;  // false: the record leaves the place to the framework
  // Closes the open window, if any, and clears the journal and the hooks.
  static void Reset() {
    if (auto open = platform::_GetImplicitWindow(Lookup().name)) open->Close();
    journal.clear();
    okAction = nullptr;
    swallowedKeys.clear();
    failLayout = false;
    givesPosition = true;
  }

 private:
  static void Note(const std::string& what, const platform::RectControl& control,
                   const std::string& detail = "") {
    journal.push_back(what + " " + control.Name() + (detail.empty() ? "" : " " + detail));
  }
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
    return platform::DeclareClass<MenuTestApp>("MenuTestApp", &platform::Application::Lookup, [] {
      return platform::PublicClass(
          {platform::Method("Event_EnableMenuItems", "%%", &MenuTestApp::Event_EnableMenuItems)},
          {"EnableMenuItems"});
    });
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
