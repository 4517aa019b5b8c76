#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
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
#include "plot/graph_wnd.h"
#include "shared/file_types.h"
#include "shared/menu.h"
#include "shared/module1.h"
#include "startup/invisible_wnd.h"
#include "startup/startup.h"
#include "support/scratch_folder.h"
#include "support/scripted_user_interaction.h"

namespace testing_support {

// The worked example of the help text: twenty eigenvalues, one a line.
inline constexpr char kWorkedExample[] =
    "5.43\n3.11\n2.24\n1.89\n1.52\n1.29\n.80\n.46\n.41\n.37\n"
    ".35\n.33\n.30\n.28\n.25\n.24\n.21\n.20\n.18\n.15";

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

// The shared results as the process holds them before start-up has run: nothing calculated and no
// result array, which the program's own initialisation has to make.
inline void ReturnSharedResultsToLoadTime() {
  corvane::Module1::dirty.clear();
  corvane::Module1::gN = 0;
  corvane::Module1::gArray.reset();
  corvane::Module1::gCV = 0.0;
  corvane::Module1::newlinecolor = 0;
}

// Corvane's process globals in a known state for every test: nothing open or registered but the
// classes, and the shared results as the program's initialisation makes them from their load-time
// state, so that a fault in that initialisation shows in every test rather than only in whichever
// runs first; a clock a second ahead at every reading, a fixed date for reports, every box, beep
// and dialog scripted and recorded. The bundle is an empty folder, as the picture accessors keep
// a successful read for the whole process: no test reads a picture unless it means to.
class CorvaneSession : public ::testing::Test {
 protected:
  static constexpr int64_t kStartTicks = 60 * 1000;
  static constexpr std::chrono::seconds kReportMoment{1161964800};

  void SetUp() override {
    ForgetEverything();
    ASSERT_FALSE(emptyBundle_.Path().empty()) << "no temporary folder for the bundle";
    platform::SetApplicationBundleResourcesForTests(emptyBundle_.Path().string());
    InstallSteppingTicks(kStartTicks, 60);
    platform::SetWallClockForTests(
        [] { return std::chrono::system_clock::time_point(kReportMoment); });
    ReturnSharedResultsToLoadTime();
    corvane::Initialize();
  }

  void TearDown() override {
    ForgetEverything();
    platform::SetTicksSourceForTests({});
    platform::SetWallClockForTests(nullptr);
    platform::SetApplicationBundleResourcesForTests("");
    ReturnSharedResultsToLoadTime();
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
  static std::shared_ptr<corvane::GraphWnd> OpenGraph() {
    return std::dynamic_pointer_cast<corvane::GraphWnd>(
        platform::_GetImplicitWindow(corvane::GraphWnd::Lookup().name));
  }
  static bool Shown(const std::shared_ptr<platform::Window>& window) {
    return window && window->Visible();
  }

  // The main window, made when there is none, and its buttons pressed as a person would.
  static std::shared_ptr<corvane::ControlWnd> Window() { return corvane::ControlWnd::Instance(); }
  static void Calculate() { platform::ClickButton(Window()->CalculateBtn()); }
  static void PressGraph() { platform::ClickButton(Window()->GraphBtn()); }
  // The count and eigenvalues typed and pasted into the main window, then Calculate pressed.
  static void CalculateInMainWindow(const std::string& count, const std::string& eigenvalues) {
    platform::TypeText(Window()->NVarsFld(), count);
    platform::PasteText(Window()->EigenFld(), eigenvalues);
    Calculate();
  }

  // The date line of a report made during the test: the fixed moment, 16:00 UTC on 27 October
  // 2006, in the zone and the short date and time formats the test programs fix (three hours
  // ahead of UTC, German).
  static std::string ReportDateLine() { return "Date: 27.10.06  19:00"; }

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
  // A folder of the test's own, so that two runs on one machine never share it.
  ScratchFolder emptyBundle_;
};

}  // namespace testing_support
