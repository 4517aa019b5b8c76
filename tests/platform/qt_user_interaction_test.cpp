#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/core/event_loop.h"
#include "platform/core/user_interaction.h"
#include "platform/system/folder_item.h"
#include "platform/testing/modal_box_simulation.h"
#include "platform/testing/user_simulation.h"
#include "platform/windows/window_placement.h"
#include "support/modal_boxes.h"
#include "support/test_windows.h"

namespace {

using platform::ModalBoxView;

// The desktop's own boxes, run in the bundle the build lays out, answered from the event loop.
class QtUserInteractionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetQuitForTests();  // an earlier test's Quit would end the boxes' loops at once
    platform::SetApplicationBundleResourcesForTests(CORVANE_BUNDLE_RESOURCES);
    platform::SetUserInteraction(nullptr);
  }
  void TearDown() override { platform::SetApplicationBundleResourcesForTests(""); }

  // Runs `show` and answers the box it shows with `button`; returns what the box showed.
  template <class Show>
  std::optional<ModalBoxView> Answer(const std::string& button, Show show) {
    std::optional<ModalBoxView> seen;
    auto pending = platform::RunFromEventLoop([&] {
      seen = platform::FrontModalBox();
      EXPECT_TRUE(platform::PressModalBoxButton(button)) << "no button " << button;
    });
    show();
    return seen;
  }
};

TEST_F(QtUserInteractionTest, BoxesCarryTheProgramsNameAndPlainButtonsAndFitTheirTitle) {
  auto message = Answer("OK", [] { platform::MsgBox("No Eigenvalues."); });
  int32_t answer = 0;
  auto question = Answer("Yes", [&] {
    answer = platform::MsgBox("Are you sure you want to erase this graph", 36, "");
  });
  EXPECT_EQ(answer, platform::kMsgBoxYes);
  ASSERT_TRUE(message && question);
  EXPECT_EQ(message->buttons, (std::vector<std::string>{"OK"}));
  EXPECT_EQ(question->buttons, (std::vector<std::string>{"Yes", "No"}));
  for (const ModalBoxView& box : {*message, *question}) {
    EXPECT_EQ(box.title, "Corvane");
    EXPECT_FALSE(box.buttonIcons) << box.text;
    // Room beside the title for the window manager's buttons.
    EXPECT_GE(box.width, box.titleTextWidth + 100) << box.text;
  }
}

// The boxes over a test window, which the person works in.
class QtBoxOwnerTest : public testing_support::FrameworkSession {
 protected:
  void SetUp() override {
    FrameworkSession::SetUp();
    platform::SetUserInteraction(nullptr);
    window_ = testing_support::TestWnd::Instance();
    platform::ActivateWindow(window_);
  }
  void TearDown() override {
    window_.reset();
    FrameworkSession::TearDown();
  }

  static int32_t Centre(int32_t start, int32_t length) { return start + length / 2; }

  std::shared_ptr<testing_support::TestWnd> window_;
};

// Boxes one after another come up over the window the person worked in, though none is active
// between them; a window minimized or hidden since is no box's owner.
TEST_F(QtBoxOwnerTest, BoxesComeUpOverTheWindowLastWorkedInWhileItIsThere) {
  auto over = testing_support::AnswerEveryBox([] {
    platform::MsgBox("first");
    platform::MsgBox("Erase?", platform::kMsgBoxYesNoQuestion, "");
  });
  ASSERT_EQ(over.size(), 2u);
  const platform::WindowLook window = platform::LookOfWindow(window_);
  for (const ModalBoxView& box : over) {
    SCOPED_TRACE(box.text);
    EXPECT_EQ(box.owner, window_.get());
    EXPECT_NEAR(Centre(box.left, box.width), Centre(window.left, window.width), 2);
    EXPECT_NEAR(Centre(box.top, box.height), Centre(window.top, window.height), 2);
  }

  // Another window shown, then the person back in the first.
  auto other = platform::RuntimeCheckCast<platform::Window>(
      platform::RuntimeNewObject(platform::Window::Lookup()));
  platform::_SetProperties(*other, platform::PropertyRecord({{"Width", 200}, {"Height", 150}}));
  other->Show();
  platform::ActivateWindow(window_);
  auto afterOther = testing_support::AnswerEveryBox([] { platform::MsgBox("back"); });
  ASSERT_EQ(afterOther.size(), 1u);
  EXPECT_EQ(afterOther[0].owner, window_.get());
  other->Close();

  platform::MinimizeWindow(window_);
  auto afterMinimized = testing_support::AnswerEveryBox([] { platform::MsgBox("minimized"); });
  window_->Hide();
  auto afterHidden = testing_support::AnswerEveryBox([] { platform::MsgBox("hidden"); });
  for (const auto& boxes : {afterMinimized, afterHidden}) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, nullptr) << boxes[0].text;
  }
}

// A word too long for any line, a path, is broken where it must be, so every character shows in a
// box no wider than the screen.
TEST_F(QtBoxOwnerTest, ALongPathWrapsWithinTheBox) {
  const std::string text = "The picture could not be saved as \"/" + std::string(300, 'b') +
                           "/Corvane Graph.png\": File name too long.";
  auto seen = testing_support::AnswerEveryBox([&] { platform::MsgBox(text); });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, text);
  EXPECT_LE(seen[0].widestTextLine, seen[0].textRoom);
  EXPECT_LE(seen[0].width, platform::AvailableScreenArea().width);
}

}  // namespace
