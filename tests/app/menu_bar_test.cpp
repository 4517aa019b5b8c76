#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "corvane_session.h"
#include "help/description_wnd.h"
#include "platform/testing/menu_user_simulation.h"

namespace {

using testing_support::CorvaneSession;
using Names = std::vector<std::string>;

using MenuBarTest = CorvaneSession;

TEST_F(MenuBarTest, TheBarHoldsFileEditAndWindowWithTheirItemsInTableOrder) {
  struct Row {
    const char* name;
    const char* className;
    const char* text;
    const char* shortcut;
    bool autoEnable;
  };
  const std::vector<Row> rows = {{"FileMenu", "MenuItem", "File", "", false},
                                 {"Print", "MenuItem", "Print", "", true},
                                 {"FileQuit", "QuitMenuItem", "Quit", "Cmd+Q", true},
                                 {"UntitledMenu0", "MenuItem", "Edit", "", false},
                                 {"EditUndo", "MenuItem", "Undo", "Cmd+Z", false},
                                 {"UntitledMenu1", "MenuItem", "-", "", false},
                                 {"EditCut", "MenuItem", "Cut", "Cmd+X", false},
                                 {"EditCopy", "MenuItem", "Copy", "Cmd+C", false},
                                 {"EditPaste", "MenuItem", "Paste", "Cmd+V", false},
                                 {"EditClear", "MenuItem", "", "", false},
                                 {"WindowMenu", "MenuItem", "Window", "", false},
                                 {"ControlMenuItem", "MenuItem", "Control", "", false},
                                 {"DescriptionMenuItem", "MenuItem", "Description", "", false},
                                 {"AboutMenuItem", "MenuItem", "About Corvane", "", false},
                                 {"AboutUlk", "AppleMenuItem", "About Corvane", "", false}};
  std::shared_ptr<corvane::Menu> bar = corvane::Menu::Instance();
  ASSERT_EQ(bar->Count(), 3);
  EXPECT_EQ(bar->Item(0)->Count(), 2);
  EXPECT_EQ(bar->Item(1)->Count(), 6);
  EXPECT_EQ(bar->Item(2)->Count(), 4);
  const std::vector<std::shared_ptr<platform::MenuItem>> items = bar->AllItems();
  ASSERT_EQ(items.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(items[i]->Name(), rows[i].name);
    EXPECT_EQ(items[i]->ClassRecordOf()->name, rows[i].className);
    EXPECT_EQ(items[i]->Text(), rows[i].text);
    EXPECT_EQ(items[i]->KeyboardShortcut(), rows[i].shortcut);
    EXPECT_EQ(items[i]->AutoEnable(), rows[i].autoEnable);
  }
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
