#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "analysis/control_wnd.h"
#include "app/file_types.h"
#include "app/invisible_wnd.h"
#include "app/menu.h"
#include "app/startup.h"
#include "help/about_wnd.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/file_type.h"
#include "platform/folder_item.h"
#include "platform/implicit_instances.h"
#include "platform/user_simulation.h"
#include "support/scripted_user_interaction.h"

namespace testing_support {

// A tick counter that moves only when it is read, so a splash never waits in real time. It counts
// its readings and lets a test look at the program at every one of them. A wait that fails to end
// is broken off by an exception after `kReadingsBeforeRescue` readings (the framework reports it
// where it dispatched the event), so it fails its test instead of hanging the test program.
class SteppingTicks {
 public:
  static constexpr int kReadingsBeforeRescue = 100000;

  SteppingTicks(int64_t first, int64_t step) : state_(std::make_shared<State>()) {
    state_->next = first;
    state_->first = first;
    state_->step = step;
  }

  // Becomes the clock behind Ticks until the next Install or the end of the test.
  void Install() const {
    std::shared_ptr<State> state = state_;
    platform::SetTicksSourceForTests([state] {
      if (++state->readings > kReadingsBeforeRescue) {
        throw std::runtime_error("The wait did not end");
      }
      if (state->onReading) state->onReading();
      state->last = state->next;
      state->next += state->step;
      return state->last;
    });
  }

  void OnReading(std::function<void()> look) { state_->onReading = std::move(look); }
  int Readings() const { return state_->readings; }
  // Ticks from the first reading to the last.
  int64_t Elapsed() const { return state_->last - state_->first; }

 private:
  struct State {
    int64_t first = 0;
    int64_t next = 0;
    int64_t step = 0;
    int64_t last = 0;
    int readings = 0;
    std::function<void()> onReading;
  };
  std::shared_ptr<State> state_;
};

// Corvane's process globals in a known state for every test: no window, no application object,
// no menu bar, no document type and no quit pending; the classes registered and the shared result
// state fresh (Initialize); a clock a second ahead at every reading; every message and beep
// recorded. The bundle points at a folder that does not exist, as the picture accessors keep a
// successful read for the whole test process.
class CorvaneSession : public ::testing::Test {
 protected:
  static constexpr int64_t kStartTicks = 60 * 1000;

  void SetUp() override {
    ForgetEverything();
    platform::SetApplicationBundleResourcesForTests(
        (std::filesystem::temp_directory_path() / "corvane-app-tests-no-bundle").string());
    SteppingTicks(kStartTicks, 60).Install();
    corvane::Initialize();
  }

  void TearDown() override {
    ForgetEverything();
    platform::SetTicksSourceForTests({});
    platform::SetApplicationBundleResourcesForTests("");
  }

  // What the framework runs at its start: document types, the application object with its menu
  // bar and About handlers, and the default window, whose Open event is the splash.
  static void StartUp() {
    corvane::_Startup();
    platform::ProcessPendingEvents();
  }

  // The open window of the class, or nil; unlike the classes' own accessors it creates none.
  static std::shared_ptr<platform::Window> OpenWindow(const platform::ClassRecord& record) {
    return platform::_GetImplicitWindow(record.name);
  }
  static std::shared_ptr<platform::Window> OpenAboutBox() {
    return OpenWindow(corvane::AboutWnd::Lookup());
  }
  static std::shared_ptr<platform::Window> OpenMainWindow() {
    return OpenWindow(corvane::ControlWnd::Lookup());
  }
  static std::shared_ptr<platform::Window> OpenDefaultWindow() {
    return OpenWindow(corvane::InvisibleWnd::Lookup());
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
