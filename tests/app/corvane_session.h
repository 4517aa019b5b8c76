#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "analysis/control_wnd.h"
#include "help/about_wnd.h"
#include "platform/core/event_loop.h"
#include "platform/menus/application.h"
#include "platform/system/file_type.h"
#include "platform/system/folder_item.h"
#include "platform/testing/user_simulation.h"
#include "platform/text/clock.h"
#include "platform/windows/implicit_instances.h"
#include "shared/file_types.h"
#include "shared/menu.h"
#include "startup/invisible_wnd.h"
#include "startup/startup.h"
#include "support/scripted_user_interaction.h"

namespace testing_support {

// Installs a tick counter that moves `step` at every reading, so a splash never waits in real
// time, and runs `onReading` before each so a test can look at the program then. Returns the count
// of readings. A wait that never ends is broken off by an exception (reported where the framework
// dispatched the event), so its test fails instead of hanging.
inline std::shared_ptr<int> InstallSteppingTicks(int64_t first, int64_t step,
                                                 std::function<void()> onReading = {}) {
  auto readings = std::make_shared<int>(0);
  platform::SetTicksSourceForTests([=, next = first]() mutable {
    if (++*readings > 100000) throw std::runtime_error("The wait did not end");
    if (onReading) onReading();
    next += step;
    return next - step;
  });
  return readings;
}

// Corvane's process globals in a known state for every test: nothing open or registered but the
// classes and fresh shared results (Initialize), a clock a second ahead at every reading, every
// message recorded. The bundle is a missing folder, as the picture accessors keep a successful
// read for the whole process.
class CorvaneSession : public ::testing::Test {
 protected:
  static constexpr int64_t kStartTicks = 60 * 1000;

  void SetUp() override {
    ForgetEverything();
    platform::SetApplicationBundleResourcesForTests(
        (std::filesystem::temp_directory_path() / "corvane-app-tests-no-bundle").string());
    InstallSteppingTicks(kStartTicks, 60);
    corvane::Initialize();
  }

  void TearDown() override {
    ForgetEverything();
    platform::SetTicksSourceForTests({});
    platform::SetApplicationBundleResourcesForTests("");
  }

  // The framework's start: document types, application object, default window (the splash).
  static void StartUp() {
    corvane::_Startup();
    platform::ProcessPendingEvents();
  }

  // The open window of the class, or nil; unlike the classes' own accessors these create none.
  static std::shared_ptr<platform::Window> OpenAboutBox() {
    return platform::_GetImplicitWindow(corvane::AboutWnd::Lookup().name);
  }
  static std::shared_ptr<platform::Window> OpenMainWindow() {
    return platform::_GetImplicitWindow(corvane::ControlWnd::Lookup().name);
  }
  static std::shared_ptr<platform::Window> OpenDefaultWindow() {
    return platform::_GetImplicitWindow(corvane::InvisibleWnd::Lookup().name);
  }
  static bool Shown(const std::shared_ptr<platform::Window>& window) {
    return window && window->Visible();
  }

  ScriptedUserInteraction& User() { return *user_; }

 private:
  static void ForgetEverything() {
    platform::ReleaseAllImplicitWindows();
    platform::ProcessPendingEvents();
    platform::_RuntimeRegisterAppObject(nullptr);
    corvane::Menu::ReleaseInstance();
    corvane::FileTypes::Release();
    platform::ClearRegisteredFileTypesForTests();
    platform::ResetQuitForTests();
  }

  ScriptedUserInteractionGuard user_;
};

}  // namespace testing_support
