#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/background_task.h"
#include "support/process_events_until.h"
#include "support/test_windows.h"

// A handler that runs long calls the background task on every pass of its loop, and the task
// keeps the windows painted. What a person does meanwhile must wait for the handler to finish:
// Qt holds the keys and clicks back, and the framework a close request from the window manager.
namespace {

using testing_support::TestWnd;
using Journal = std::vector<std::string>;
using Clock = std::chrono::steady_clock;
using testing_support::ProcessEventsUntil;

class BackgroundTaskTest : public testing_support::FrameworkSession {
 protected:
  // OK's handler loops on the background task until the window system has delivered an event to
  // it (so whatever came before has had its chance too), then notes its end.
  void PressOkWhilePersonActs(const std::function<void()>& personActs) {
    auto window = Opened();
    bool delivered = false;
    std::shared_ptr<void> marker;
    TestWnd::okAction = [&](TestWnd&) {
      personActs();
      marker = platform::RunAsWindowSystemEvent([&] { delivered = true; });
      const Clock::time_point end = Clock::now() + std::chrono::milliseconds(2000);
      while (!delivered && Clock::now() < end) platform::RuntimeBackgroundTask();
      TestWnd::journal.push_back(delivered ? "handler ends" : "the task delivered nothing");
    };
    platform::ClickButton(window->OkBtn());
  }
};

TEST_F(BackgroundTaskTest, KeysAndClicksDuringAHandlerWaitForItToFinish) {
  std::shared_ptr<void> pending;
  PressOkWhilePersonActs([&] {
    pending = platform::RunFromEventLoop([] {
      platform::TypeText(TestWnd::Instance()->NameFld(), "k");
      platform::PressMouseOnCanvas(TestWnd::Instance()->Picture(), 3, 4);
    });
  });
  const Journal expected{"Action OkBtn", "handler ends", "KeyDown NameFld 107",
                         "MouseDown Picture 3,4"};
  EXPECT_TRUE(ProcessEventsUntil([] { return TestWnd::journal.size() >= 4; }));
  EXPECT_EQ(TestWnd::journal, expected);
}

TEST_F(BackgroundTaskTest, AClickOnTheCloseBoxDuringAHandlerClosesTheWindowOnceItFinished) {
  std::shared_ptr<void> pending;
  PressOkWhilePersonActs([&] {
    pending =
        platform::RunAsWindowSystemEvent([] { platform::CloseByCloseBox(TestWnd::Instance()); });
  });
  const Journal expected{"Action OkBtn", "handler ends", "Close"};
  EXPECT_TRUE(ProcessEventsUntil([] { return TestWnd::journal.size() >= 3; }));
  EXPECT_EQ(TestWnd::journal, expected);
}

}  // namespace
