#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "box_wnd.h"
#include "platform/controls/canvas.h"
#include "platform/controls/push_button.h"
#include "platform/core/class_record.h"
#include "platform/testing/user_simulation.h"
#include "platform/text_area/text_area.h"
#include "platform/windows/window.h"
#include "support/scripted_user_interaction.h"

namespace testing_support {

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

// Neither test window open before or after a test, their journals empty, every message recorded.
class TestWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetWindows(); }
  void TearDown() override {
    ResetWindows();
    platform::ProcessPendingEvents();
  }
  static void ResetWindows() {
    TestWnd::Reset();
    BoxWnd::Reset();
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
