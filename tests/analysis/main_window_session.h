#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "analysis/control_wnd.h"
#include "fixed_wall_clock.h"
#include "help/about_wnd.h"
#include "platform/core/event_loop.h"
#include "platform/system/folder_item.h"
#include "platform/testing/user_simulation.h"
#include "platform/windows/implicit_instances.h"
#include "plot/graph_wnd.h"
#include "shared/module1.h"
#include "support/scripted_user_interaction.h"

namespace testing_support {

// A fresh main window for every test, driven as a person would, with every message and beep
// recorded. The bundle is an empty folder, as the picture accessors keep a successful read for
// the whole process: no test reads a picture unless it means to.
class MainWindowSession : public ::testing::Test {
 protected:
  void SetUp() override {
    corvane::Module1::Initialize();
    std::filesystem::remove_all(emptyBundle_);
    std::filesystem::create_directories(emptyBundle_);
    platform::SetApplicationBundleResourcesForTests(emptyBundle_.string());
  }

  void TearDown() override {
    for (const auto* record : {&corvane::GraphWnd::Lookup(), &corvane::ControlWnd::Lookup(),
                               &corvane::AboutWnd::Lookup()}) {
      if (auto open = platform::_GetImplicitWindow(record->name)) open->Close();
    }
    platform::ProcessPendingEvents();
    platform::ResetQuitForTests();  // closing the main window quits
    platform::SetApplicationBundleResourcesForTests("");
    std::filesystem::remove_all(emptyBundle_);
    corvane::Module1::Initialize();
  }

  static std::shared_ptr<corvane::ControlWnd> Window() { return corvane::ControlWnd::Instance(); }
  static void Calculate() { platform::ClickButton(Window()->CalculateBtn()); }

  ScriptedUserInteraction& User() { return *user_; }
  std::string ReportDateLine() const { return clock_.DateLine(); }

 private:
  FixedWallClock clock_;
  ScriptedUserInteractionGuard user_;
  const std::filesystem::path emptyBundle_ =
      std::filesystem::temp_directory_path() / "corvane-empty-bundle";
};

}  // namespace testing_support
