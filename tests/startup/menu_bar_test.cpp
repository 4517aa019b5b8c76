#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "help/description_wnd.h"
#include "platform/testing/menu_user_simulation.h"
#include "support/corvane_session.h"
#include "support/snapshot.h"

namespace {

using testing_support::CorvaneSession;
using Names = std::vector<std::string>;

using MenuBarTest = CorvaneSession;

// Each item as name, class, text, shortcut and whether it enables itself, indented under its menu.
TEST_F(MenuBarTest, TheBarHoldsFileEditAndWindowWithTheirItemsInTableOrder) {
  std::string items;
  std::function<void(const platform::MenuItem&, const std::string&)> describe =
      [&](const platform::MenuItem& item, const std::string& indent) {
        items += indent + item.Name() + " " + item.ClassRecordOf()->name + " \"" + item.Text() +
                 "\" \"" + item.KeyboardShortcut() + "\"" + (item.AutoEnable() ? " auto" : "") +
                 "\n";
        for (int32_t i = 0; i < item.Count(); ++i) describe(*item.Item(i), indent + "  ");
      };
  std::shared_ptr<corvane::Menu> bar = corvane::Menu::Instance();
  for (int32_t i = 0; i < bar->Count(); ++i) describe(*bar->Item(i), "");
  EXPECT_TRUE(testing_support::MatchesTextSnapshot(items, "menu-bar"));
}

// Called by name through the class record, as the framework calls them.
TEST_F(MenuBarTest, TheDefaultAndHelpWindowsAccessorsYieldTheSharedItemsAndNilForUntitledMenu3) {
  StartUp();
  const std::vector<std::shared_ptr<platform::Window>> windows = {
      OpenDefaultWindow(), corvane::DescriptionWnd::Instance()};
  for (const auto& window : windows) {
    const platform::ClassRecord& record = *window->ClassRecordOf();
    SCOPED_TRACE(record.name);
    EXPECT_EQ(window->MenuBar(), corvane::Menu::Instance());
    auto accessed = [&](const std::string& name) {
      const platform::MemberRecord* accessor = record.FindMethod(name);
      if (!accessor) throw std::runtime_error("no accessor " + name);
      return accessor->invoker(*window, {}).As<std::shared_ptr<platform::MenuItem>>();
    };
    for (const std::shared_ptr<platform::MenuItem>& item : corvane::Menu::Instance()->AllItems()) {
      EXPECT_EQ(accessed(item->Name()), item) << item->Name();
    }
    EXPECT_EQ(accessed("UntitledMenu3"), nullptr);
  }
}

TEST_F(MenuBarTest, WhileTheMainWindowIsActiveItsItemsAndBothAboutItemsAreEnabled) {
  StartUp();
  platform::ActivateWindow(OpenMainWindow());
  EXPECT_EQ(platform::OpenMenu("WindowMenu"),
            (Names{"DescriptionMenuItem", "AboutMenuItem", "AboutUlk"}));
  EXPECT_EQ(platform::OpenMenu("FileMenu"), (Names{"Print", "FileQuit"}));
  // Print belongs to the help window; in front of the main window it does nothing.
  EXPECT_TRUE(platform::ChooseMenuItem("Print"));
  EXPECT_FALSE(platform::QuitRequested());
  EXPECT_TRUE(Shown(OpenMainWindow()));
  EXPECT_EQ(User().messages, Names{});
}

}  // namespace
