#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "help/description_wnd.h"
#include "platform/core/user_interaction.h"
#include "platform/testing/menu_user_simulation.h"
#include "platform/testing/modal_box_simulation.h"
#include "support/corvane_session.h"
#include "support/modal_boxes.h"

namespace {

using platform::LookOfWindow;
using platform::WindowLook;
using testing_support::CorvaneSession;

// How each window comes back to the front, and where boxes come up.
class WindowsOnScreenTest : public CorvaneSession {
 protected:
  // Corvane after its splash, the main window in front.
  static void StartedUp() {
    StartUp();
    platform::ActivateWindow(Window());
  }
  // The worked example calculated, then Graph pressed.
  static std::shared_ptr<corvane::GraphWnd> Graph() {
    CalculateInMainWindow("20", testing_support::kWorkedExample);
    PressGraph();
    return OpenGraph();
  }
  static std::shared_ptr<corvane::DescriptionWnd> HelpInFront() {
    platform::ChooseMenuItem("DescriptionMenuItem");
    platform::ActivateWindow(corvane::DescriptionWnd::Instance());
    return corvane::DescriptionWnd::Instance();
  }
  static bool InFront(const std::shared_ptr<platform::Window>& window) {
    platform::ProcessPendingEvents();
    const WindowLook look = LookOfWindow(window);
    return look.shown && !look.minimized && look.active;
  }
  static int32_t Centre(int32_t start, int32_t length) { return start + length / 2; }
};

// Without a panel to restore a minimized window from, every way the program has to bring a window
// forward must also bring it back from being minimized.
TEST_F(WindowsOnScreenTest, EveryWayBackToAWindowBringsItBackFromBeingMinimized) {
  StartedUp();
  auto graph = Graph();
  platform::MinimizeWindow(Window());
  User().QueueAnswer(platform::kMsgBoxYes);
  platform::ClickButton(graph->CloseBtn());
  EXPECT_TRUE(InFront(Window())) << "Close in the graph window";

  graph = Graph();
  platform::MinimizeWindow(graph);
  PressGraph();
  EXPECT_TRUE(InFront(graph)) << "Graph with the graph window open";

  struct Way {
    const char* what;
    std::function<std::shared_ptr<platform::Window>()> minimized;
    std::function<void()> bringBack;
  };
  const std::vector<Way> ways = {
      {"Window > Control", [] { return Window(); },
       [] {
         HelpInFront();
         platform::ChooseMenuItem("ControlMenuItem");
       }},
      {"the About box dismissed", [] { return Window(); },
       [] {
         HelpInFront();
         platform::ChooseMenuItem("AboutMenuItem");
         platform::ClickInWindow(OpenAboutBox(), 150, 100);
       }},
      {"the question mark", [] { return HelpInFront(); },
       [] {
         platform::ActivateWindow(Window());
         platform::PressMouseOnCanvas(Window()->Canvas1(), 30, 20);
       }},
      {"Window > Description", [] { return HelpInFront(); },
       [] {
         platform::ActivateWindow(Window());
         platform::ChooseMenuItem("DescriptionMenuItem");
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    auto minimized = way.minimized();
    platform::MinimizeWindow(minimized);
    way.bringBack();
    EXPECT_TRUE(InFront(minimized));
  }
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

// The boxes of one calculation come up one after another over the main window, though between two
// of them no window is active.
TEST_F(WindowsOnScreenTest, TheBoxesOfACalculationComeUpOverTheMainWindow) {
  StartedUp();
  platform::SetUserInteraction(nullptr);
  const std::vector<platform::ModalBoxView> boxes =
      testing_support::AnswerEveryBox([] { CalculateInMainWindow("5", "3.9\n2.4"); });
  ASSERT_EQ(boxes.size(), 3u);
  const WindowLook main = LookOfWindow(Window());
  for (const platform::ModalBoxView& box : boxes) {
    SCOPED_TRACE(box.text);
    EXPECT_EQ(box.owner, Window().get());
    EXPECT_NEAR(Centre(box.left, box.width), Centre(main.left, main.width), 2);
    EXPECT_NEAR(Centre(box.top, box.height), Centre(main.top, main.height), 2);
  }
}

}  // namespace
