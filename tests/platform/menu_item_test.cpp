#include <gtest/gtest.h>

#include "menu_test_app.h"
#include "platform/exceptions.h"
#include "platform/menu_bar.h"

namespace {

using platform::MenuItem;

TEST(MenuItemTest, LookupSearchesTheWholeTreeAndFindsNothingForAnUnknownName) {
  auto bar = testing_support::MakeTestMenuBar();
  EXPECT_EQ(bar->_Lookup("UntitledMenu0"), bar->Item(1));
  EXPECT_EQ(bar->_Lookup("EditPaste"), bar->Item(1)->Item(4));
  EXPECT_EQ(bar->_Lookup("UntitledMenu3"), nullptr);
  bar->Item(2)->Append(std::make_shared<MenuItem>());
  EXPECT_EQ(bar->_Lookup(""), nullptr) << "an unnamed item bears no name";
  // A title looks among its own items only.
  EXPECT_EQ(bar->Item(0)->_Lookup("FileQuit"), bar->Item(0)->Item(1));
  EXPECT_EQ(bar->Item(0)->_Lookup("EditCut"), nullptr);
}

TEST(MenuItemTest, MisuseRaisesTheFrameworksExceptions) {
  MenuItem menu;
  EXPECT_THROW(menu.Append(nullptr), platform::NilObjectException);
  EXPECT_EQ(menu.Count(), 0);
  menu.Append(std::make_shared<MenuItem>());
  EXPECT_THROW(menu.Item(1), platform::OutOfBoundsException);
  EXPECT_THROW(menu.Item(-1), platform::OutOfBoundsException);
}

}  // namespace
