#include <gtest/gtest.h>

#include <optional>

#include "platform/core/event_loop.h"
#include "platform/core/user_interaction.h"
#include "platform/system/folder_item.h"
#include "platform/testing/modal_box_simulation.h"
#include "platform/testing/user_simulation.h"

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

}  // namespace
