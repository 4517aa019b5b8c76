#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/handle_about_menu.h"
#include "app/menu_items.h"
#include "corvane_session.h"
#include "platform/menu_dispatch.h"
#include "platform/menu_user_simulation.h"

namespace {

using testing_support::CorvaneSession;
using Names = std::vector<std::string>;

struct ItemRow {
  std::string name;
  std::string className;
  std::string text;
  std::string shortcut;
  bool autoEnable;
};

struct MenuRows {
  ItemRow title;
  std::vector<ItemRow> items;
};

const std::vector<MenuRows>& ExpectedMenus() {
  static const std::vector<MenuRows> menus = {
      {{"FileMenu", "MenuItem", "File", "", false},
       {{"Print", "MenuItem", "Print", "", true},
        {"FileQuit", "QuitMenuItem", "Quit", "Cmd+Q", true}}},
      {{"UntitledMenu0", "MenuItem", "Edit", "", false},
       {{"EditUndo", "MenuItem", "Undo", "Cmd+Z", false},
        {"UntitledMenu1", "MenuItem", "-", "", false},
        {"EditCut", "MenuItem", "Cut", "Cmd+X", false},
        {"EditCopy", "MenuItem", "Copy", "Cmd+C", false},
        {"EditPaste", "MenuItem", "Paste", "Cmd+V", false},
        {"EditClear", "MenuItem", "", "", false}}},
      {{"WindowMenu", "MenuItem", "Window", "", false},
       {{"ControlMenuItem", "MenuItem", "Control", "", false},
        {"DescriptionMenuItem", "MenuItem", "Description", "", false},
        {"AboutMenuItem", "MenuItem", "About Corvane", "", false},
        {"AboutUlk", "AppleMenuItem", "About Corvane", "", false}}},
  };
  return menus;
}

void ExpectItem(const std::shared_ptr<platform::MenuItem>& item, const ItemRow& row) {
  ASSERT_NE(item, nullptr) << row.name;
  EXPECT_EQ(item->Name(), row.name);
  ASSERT_NE(item->ClassRecordOf(), nullptr) << row.name;
  EXPECT_EQ(item->ClassRecordOf()->name, row.className) << row.name;
  EXPECT_EQ(item->Text(), row.text) << row.name;
  EXPECT_EQ(item->KeyboardShortcut(), row.shortcut) << row.name;
  EXPECT_EQ(item->AutoEnable(), row.autoEnable) << row.name;
}

using MenuBarTest = CorvaneSession;

TEST_F(MenuBarTest, TheBarHoldsFileEditAndWindowWithTheirItemsInTableOrder) {
  std::shared_ptr<corvane::Menu> bar = corvane::Menu::Instance();
  ASSERT_EQ(bar->Count(), 3);
  for (int32_t menu = 0; menu < 3; ++menu) {
    const MenuRows& expected = ExpectedMenus()[static_cast<size_t>(menu)];
    std::shared_ptr<platform::MenuItem> title = bar->Item(menu);
    ExpectItem(title, expected.title);
    ASSERT_EQ(title->Count(), static_cast<int32_t>(expected.items.size()));
    for (int32_t index = 0; index < title->Count(); ++index) {
      ExpectItem(title->Item(index), expected.items[static_cast<size_t>(index)]);
      EXPECT_EQ(title->Item(index)->Count(), 0);
    }
  }
  EXPECT_TRUE(bar->_Lookup("UntitledMenu1")->IsSeparator());
  EXPECT_NO_THROW(platform::RuntimeCheckCast<platform::QuitMenuItem>(bar->_Lookup("FileQuit")));
  EXPECT_NO_THROW(platform::RuntimeCheckCast<platform::AppleMenuItem>(bar->_Lookup("AboutUlk")));
  EXPECT_THROW(platform::RuntimeCheckCast<platform::AppleMenuItem>(bar->_Lookup("AboutMenuItem")),
               platform::IllegalCastException);
}

TEST_F(MenuBarTest, EveryCallYieldsTheSameBarUntilItIsReleased) {
  std::shared_ptr<corvane::Menu> first = corvane::Menu::Instance();
  EXPECT_EQ(corvane::Menu::Instance(), first);
  first->_Lookup("ControlMenuItem")->SetEnabled(false);
  EXPECT_FALSE(corvane::Menu::Instance()->_Lookup("ControlMenuItem")->Enabled());

  corvane::Menu::ReleaseInstance();
  std::shared_ptr<corvane::Menu> second = corvane::Menu::Instance();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->Count(), 3);
}

TEST_F(MenuBarTest, ItemsAreFoundByNameAnywhereInTheBarAsTheirClass) {
  std::shared_ptr<platform::MenuBar> bar = corvane::Menu::Instance();
  EXPECT_EQ(corvane::MenuItemNamed<platform::MenuItem>(bar, "EditClear"), bar->Item(1)->Item(5));
  EXPECT_EQ(corvane::MenuItemNamed<platform::MenuItem>(bar, "UntitledMenu3"), nullptr);
  EXPECT_THROW(corvane::MenuItemNamed<platform::QuitMenuItem>(bar, "Print"),
               platform::IllegalCastException);
  EXPECT_THROW(corvane::MenuItemNamed<platform::MenuItem>(nullptr, "Print"),
               platform::NilObjectException);

  // The module-level accessors reach the bar through the application object.
  EXPECT_THROW(corvane::AboutUlk(), platform::NilObjectException);
  StartUp();
  EXPECT_EQ(corvane::AboutUlk(), bar->_Lookup("AboutUlk"));
  EXPECT_EQ(corvane::AboutMenuItem(), bar->_Lookup("AboutMenuItem"));
  EXPECT_EQ(corvane::DescriptionMenuItem(), bar->_Lookup("DescriptionMenuItem"));
  EXPECT_EQ(corvane::ControlMenuItem(), bar->_Lookup("ControlMenuItem"));
}

TEST_F(MenuBarTest, TheDefaultWindowsSixteenAccessorsYieldTheSharedItems) {
  StartUp();
  auto window = platform::RuntimeCheckCast<corvane::InvisibleWnd>(OpenDefaultWindow());
  std::shared_ptr<corvane::Menu> bar = corvane::Menu::Instance();
  using Accessor = std::shared_ptr<platform::MenuItem> (*)(corvane::InvisibleWnd&);
  const std::vector<std::pair<std::string, Accessor>> accessors = {
      {"WindowMenu", [](corvane::InvisibleWnd& w) { return w.WindowMenu(); }},
      {"AboutUlk",
       [](corvane::InvisibleWnd& w) -> std::shared_ptr<platform::MenuItem> {
         return w.AboutUlk();
       }},
      {"AboutMenuItem", [](corvane::InvisibleWnd& w) { return w.AboutMenuItem(); }},
      {"DescriptionMenuItem", [](corvane::InvisibleWnd& w) { return w.DescriptionMenuItem(); }},
      {"ControlMenuItem", [](corvane::InvisibleWnd& w) { return w.ControlMenuItem(); }},
      {"UntitledMenu0", [](corvane::InvisibleWnd& w) { return w.UntitledMenu0(); }},
      {"EditClear", [](corvane::InvisibleWnd& w) { return w.EditClear(); }},
      {"EditPaste", [](corvane::InvisibleWnd& w) { return w.EditPaste(); }},
      {"EditCopy", [](corvane::InvisibleWnd& w) { return w.EditCopy(); }},
      {"EditCut", [](corvane::InvisibleWnd& w) { return w.EditCut(); }},
      {"UntitledMenu1", [](corvane::InvisibleWnd& w) { return w.UntitledMenu1(); }},
      {"EditUndo", [](corvane::InvisibleWnd& w) { return w.EditUndo(); }},
      {"FileMenu", [](corvane::InvisibleWnd& w) { return w.FileMenu(); }},
      {"FileQuit",
       [](corvane::InvisibleWnd& w) -> std::shared_ptr<platform::MenuItem> {
         return w.FileQuit();
       }},
      {"Print", [](corvane::InvisibleWnd& w) { return w.Print(); }},
  };
  for (const auto& [name, accessor] : accessors) {
    std::shared_ptr<platform::MenuItem> item = accessor(*window);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item, bar->_Lookup(name)) << name;
  }
  EXPECT_EQ(window->UntitledMenu3(), nullptr);
}

// The states a person sees while the main window is in front.
TEST_F(MenuBarTest, WhileTheMainWindowIsActiveItsItemsAndBothAboutItemsAreEnabled) {
  StartUp();
  platform::ActivateWindow(OpenMainWindow());
  EXPECT_EQ(platform::OpenMenu("WindowMenu"),
            (Names{"DescriptionMenuItem", "AboutMenuItem", "AboutUlk"}));
  EXPECT_FALSE(corvane::ControlMenuItem()->Enabled());
  EXPECT_EQ(platform::OpenMenu("FileMenu"), (Names{"Print", "FileQuit"}));
  EXPECT_FALSE(platform::ChooseMenuItem("ControlMenuItem"));

  // Print is the help window's; in front of the main window it does nothing at all.
  EXPECT_TRUE(platform::ChooseMenuItem("Print"));
  EXPECT_FALSE(platform::QuitRequested());
  EXPECT_TRUE(Shown(OpenMainWindow()));
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_EQ(User().messages, Names{});
}

TEST_F(MenuBarTest, WithNoWindowInFrontOnlyTheApplicationEnablesAboutUlk) {
  StartUp();
  std::shared_ptr<corvane::Menu> bar = corvane::Menu::Instance();
  for (const std::shared_ptr<platform::MenuItem>& item : bar->AllItems()) item->SetEnabled(true);
  platform::RefreshMenuItems(*bar, nullptr);
  Names enabled;
  for (const std::shared_ptr<platform::MenuItem>& item : bar->AllItems()) {
    if (item->Enabled()) enabled.push_back(item->Name());
  }
  EXPECT_EQ(enabled, (Names{"Print", "FileQuit", "AboutUlk"}));
}

// Pasted text does not pass the key filter: only typed keys do.
TEST_F(MenuBarTest, EigenvaluesPasteIntoTheMainWindowByCtrlVAndByEditPaste) {
  StartUp();
  auto window = platform::RuntimeCheckCast<corvane::ControlWnd>(OpenMainWindow());
  platform::ActivateWindow(window);
  std::shared_ptr<platform::TextArea> field = window->EigenFld();
  field->SetFocus();

  const std::string copied = "3.5\r1e-3\r+2,5";
  platform::PasteText(field, copied);
  EXPECT_EQ(field->Text(), copied);

  field->SetText("");
  EXPECT_TRUE(platform::ChooseMenuItem("EditPaste"));
  EXPECT_EQ(field->Text(), copied);

  field->SetText("");
  platform::PressShortcut("Cmd+V");
  EXPECT_EQ(field->Text(), copied);
  EXPECT_EQ(User().beeps, 0);
  EXPECT_EQ(window->NVarsFld()->Text(), "");
}

}  // namespace
