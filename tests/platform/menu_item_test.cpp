#include <gtest/gtest.h>

#include "menu_test_app.h"
#include "platform/apple_menu_item.h"
#include "platform/class_record.h"
#include "platform/exceptions.h"
#include "platform/menu_bar.h"
#include "platform/quit_menu_item.h"

namespace {

using platform::MenuItem;
using testing_support::MakeTestMenuBar;

TEST(MenuItemTest, LookupSearchesTheWholeTreeAndFindsNothingForAnUnknownName) {
  auto bar = MakeTestMenuBar();
  ASSERT_EQ(bar->Count(), 3);
  // Titles are children of the bar, items children of a title: both are found.
  EXPECT_EQ(bar->_Lookup("UntitledMenu0"), bar->Item(1));
  EXPECT_EQ(bar->_Lookup("EditPaste"), bar->Item(1)->Item(4));
  EXPECT_EQ(bar->_Lookup("AboutUlk"), bar->Item(2)->Item(1));
  EXPECT_EQ(bar->_Lookup("UntitledMenu3"), nullptr);
  EXPECT_EQ(bar->_Lookup(""), nullptr);
  // A title looks among its own items only.
  EXPECT_EQ(bar->Item(0)->_Lookup("FileQuit"), bar->Item(0)->Item(1));
  EXPECT_EQ(bar->Item(0)->_Lookup("EditCut"), nullptr);
}

TEST(MenuItemTest, CheckedCastsTellTheItemClasses) {
  auto bar = MakeTestMenuBar();
  EXPECT_NE(platform::RuntimeCheckCast<platform::AppleMenuItem>(bar->_Lookup("AboutUlk")), nullptr);
  EXPECT_NE(platform::RuntimeCheckCast<platform::QuitMenuItem>(bar->_Lookup("FileQuit")), nullptr);
  EXPECT_NE(platform::RuntimeCheckCast<MenuItem>(bar->_Lookup("FileQuit")), nullptr);
  EXPECT_THROW(platform::RuntimeCheckCast<platform::AppleMenuItem>(bar->_Lookup("HelloItem")),
               platform::IllegalCastException);
  EXPECT_THROW(platform::RuntimeCheckCast<MenuItem>(bar->_Lookup("UntitledMenu3")),
               platform::NilObjectException);
}

TEST(MenuItemTest, ObjectsMadeFromTheRecordsCastAlongTheClassTree) {
  auto made = [](const platform::ClassRecord& record) {
    return platform::RuntimeNewObject(record);
  };
  EXPECT_NE(platform::RuntimeCheckCast<MenuItem>(made(platform::MenuBar::Lookup())), nullptr);
  EXPECT_NE(platform::RuntimeCheckCast<MenuItem>(made(platform::QuitMenuItem::Lookup())), nullptr);
  EXPECT_THROW(platform::RuntimeCheckCast<platform::MenuBar>(made(MenuItem::Lookup())),
               platform::IllegalCastException);
  EXPECT_THROW(
      platform::RuntimeCheckCast<platform::QuitMenuItem>(made(platform::AppleMenuItem::Lookup())),
      platform::IllegalCastException);
}

TEST(MenuItemTest, MisuseRaisesTheFrameworksExceptions) {
  MenuItem menu;
  EXPECT_THROW(menu.Append(nullptr), platform::NilObjectException);
  EXPECT_EQ(menu.Count(), 0);
  menu.Append(std::make_shared<MenuItem>());
  EXPECT_NO_THROW(menu.Item(0));
  EXPECT_THROW(menu.Item(1), platform::OutOfBoundsException);
  EXPECT_THROW(menu.Item(-1), platform::OutOfBoundsException);
}

}  // namespace
