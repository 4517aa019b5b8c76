#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "analysis/control_wnd.h"
#include "app/module1.h"
#include "fixed_wall_clock.h"
#include "help/about_wnd.h"
#include "platform/event_loop.h"
#include "platform/folder_item.h"
#include "platform/implicit_instances.h"
#include "platform/user_simulation.h"
#include "support/scripted_user_interaction.h"

namespace testing_support {

// A fresh main window for every test, driven as a person would, with every message and beep
// recorded. The bundle points at an empty folder, so no test reads a picture unless it means to:
// the picture accessors keep a successful read for the whole test process.
class MainWindowSession : public ::testing::Test {
 protected:
  void SetUp() override {
    corvane::Module1::Initialize();
    emptyBundle_ = std::filesystem::temp_directory_path() / "corvane-empty-bundle";
    std::filesystem::remove_all(emptyBundle_);
    std::filesystem::create_directories(emptyBundle_);
    platform::SetApplicationBundleResourcesForTests(emptyBundle_.string());
  }

  void TearDown() override {
    CloseIfOpen(corvane::ControlWnd::Lookup().name);
    CloseIfOpen(corvane::AboutWnd::Lookup().name);
    platform::ProcessPendingEvents();
    // Closing the main window quits; the next test starts with no quit pending.
    platform::ResetQuitForTests();
    platform::SetApplicationBundleResourcesForTests("");
    std::filesystem::remove_all(emptyBundle_);
    corvane::Module1::Initialize();
  }

  static std::shared_ptr<corvane::ControlWnd> Window() { return corvane::ControlWnd::Instance(); }

  static void Calculate() { platform::ClickButton(Window()->CalculateBtn()); }

  ScriptedUserInteraction& User() { return *user_; }
  // The date line of a report made during the test.
  std::string ReportDateLine() const { return clock_.DateLine(); }

 private:
  static void CloseIfOpen(const std::string& className) {
    if (auto open = platform::_GetImplicitWindow(className)) open->Close();
  }

  FixedWallClock clock_;
  ScriptedUserInteractionGuard user_;
  std::filesystem::path emptyBundle_;
};

}  // namespace testing_support
