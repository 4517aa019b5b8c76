#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "help/description_wnd.h"
#include "platform/core/user_interaction.h"
#include "platform/testing/menu_user_simulation.h"
#include "platform/testing/modal_box_simulation.h"
#include "platform/windows/window_placement.h"
#include "support/corvane_session.h"
#include "support/modal_boxes.h"

namespace {

using platform::LookOfWindow;
using platform::WindowLook;
using testing_support::CorvaneSession;

// Where the windows come up, what their title bars offer, and how each comes back to the front.
class WindowsOnScreenTest : public CorvaneSession {
 protected:
  // Corvane after its splash, the main window in front.
  static void StartedUp() {
    StartUp();
    platform::ActivateWindow(Window());
  }
  // The worked example calculated, then Graph pressed; a test whose graph did not open ends there
  // rather than on a nil window.
  static std::shared_ptr<corvane::GraphWnd> Graph() {
    CalculateInMainWindow("20", testing_support::kWorkedExample);
    PressGraph();
    if (!OpenGraph()) throw std::runtime_error("Graph opened no window");
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

  const platform::ScreenRect available_ = platform::AvailableScreenArea();
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

// The buttons each window asks the window manager for: a close box only where closing works, no
// maximize button on windows of one size; the About box, splash or not, is a bare box.
TEST_F(WindowsOnScreenTest, EachWindowAsksForTheTitleBarButtonsThatWork) {
  auto describe = [](const std::string& name, const WindowLook& look) {
    return name + ":" + (look.titleBar ? " title" : "") + (look.closeBox ? " close" : "") +
           (look.minimizeBox ? " minimize" : "") + (look.maximizeBox ? " maximize" : "") +
           (look.resizable ? " resizable" : "") + (look.menuBar ? " menu bar" : "") + "\n";
  };
  auto settled = [&](const std::string& name, const std::shared_ptr<platform::Window>& window) {
    platform::ProcessPendingEvents();
    return describe(name, LookOfWindow(window));
  };
  std::string table;
  testing_support::InstallSteppingTicks(kStartTicks, 60, [&] {
    if (table.empty() && Shown(OpenAboutBox()))
      table = describe("splash", LookOfWindow(OpenAboutBox()));
  });
  StartedUp();
  table += settled("main", Window()) + settled("graph", Graph()) + settled("help", HelpInFront());
  platform::ChooseMenuItem("AboutMenuItem");
  table += settled("about", OpenAboutBox());
  EXPECT_EQ(table,
            "splash:\n"
            "main: title close minimize menu bar\n"
            "graph: title minimize menu bar\n"
            "help: title close minimize menu bar\n"
            "about:\n");
}

TEST_F(WindowsOnScreenTest, TheGraphWindowCascadesFromTheMainWindowAndKeepsItsPlace) {
  StartedUp();
  EXPECT_EQ(Window()->Left(), available_.left);
  EXPECT_EQ(Window()->Top(), available_.top);
  // With no position of its own either, it keeps the main window's title bar clear.
  auto graph = Graph();
  EXPECT_GT(graph->Left(), Window()->Left());
  EXPECT_GE(graph->Top(), Window()->Top() + 24);
  const int32_t left = graph->Left();
  const int32_t top = graph->Top();
  // Shown again, it stays where it was, though the corner is free now.
  graph->Hide();
  Window()->Hide();
  graph->Show();
  EXPECT_EQ(graph->Left(), left);
  EXPECT_EQ(graph->Top(), top);
  EXPECT_TRUE(InFront(graph));
  // Graph brings the open window to the front over the main window.
  Window()->Show();
  platform::ActivateWindow(Window());
  PressGraph();
  EXPECT_TRUE(InFront(graph));
}

// The About box is centred on the screen as the splash and over the main window from its menu,
// a thin dark edge round its content.
TEST_F(WindowsOnScreenTest, TheAboutBoxIsCentredOverTheScreenThenOverTheMainWindow) {
  WindowLook splash;
  testing_support::InstallSteppingTicks(kStartTicks, 60, [&] {
    if (!splash.shown && Shown(OpenAboutBox())) splash = LookOfWindow(OpenAboutBox());
  });
  StartedUp();
  EXPECT_NEAR(Centre(splash.left, splash.width), Centre(available_.left, available_.width), 1);
  EXPECT_NEAR(Centre(splash.top, splash.height), Centre(available_.top, available_.height), 1);

  platform::ChooseMenuItem("AboutMenuItem");
  const WindowLook box = LookOfWindow(OpenAboutBox());
  const WindowLook main = LookOfWindow(Window());
  // Centred over the main window's frame, which the test platform draws 2 pixels wide.
  EXPECT_NEAR(Centre(box.left, box.width), Centre(main.left, main.width), 2);
  EXPECT_NEAR(Centre(box.top, box.height), Centre(main.top, main.height), 2);

  // The edge lies outside the content, which keeps its size.
  EXPECT_EQ(platform::CaptureWindowContent(OpenAboutBox())->Width(), 300);
  auto whole = platform::CaptureWindow(OpenAboutBox());
  ASSERT_EQ(whole->Width(), 302);
  ASSERT_EQ(whole->Height(), 202);
  int offEdge = 0;
  for (int32_t x = 0; x < 302; ++x) {
    for (int32_t y : {0, 201}) offEdge += whole->PixelColor(x, y) != platform::Color(0x606060);
  }
  for (int32_t y = 0; y < 202; ++y) {
    for (int32_t x : {0, 301}) offEdge += whole->PixelColor(x, y) != platform::Color(0x606060);
  }
  EXPECT_EQ(offEdge, 0);
  EXPECT_EQ(whole->PixelColor(1, 1), platform::Color(0xFFFFFF));
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
