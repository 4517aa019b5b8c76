#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <memory>

#include "support/test_windows.h"

namespace {

using platform::PropertyRecord;
using testing_support::TestWnd;
using Journal = std::vector<std::string>;

using WindowConstructionTest = testing_support::FrameworkSession;

TEST_F(WindowConstructionTest, HooksRunInTableOrderThenOpenEventsThenTheWindowShows) {
  auto window = TestWnd::Instance();
  // During its own Open event the window is already its class's open window, not yet shown.
  EXPECT_EQ(TestWnd::journal, (Journal{"Layout", "CreateControls", "AddMenuHandlers",
                                       "Open Picture 40x30", "Open visible=0 same=1"}));
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->Left(), 40);
  EXPECT_EQ(window->Top(), 50);
  EXPECT_EQ(window->Width(), 320);
  EXPECT_FLOAT_EQ(window->NameFld()->TextSize(), 12.0f);  // set in code, beside the record
  EXPECT_EQ(window->NameFld()->TextFont(), "Courier");
  EXPECT_TRUE(user_->messages.empty());
}

TEST_F(WindowConstructionTest, AFailingHookDiscardsTheHalfBuiltWindow) {
  TestWnd::failLayout = true;
  EXPECT_THROW(TestWnd::Instance(), platform::OutOfBoundsException);
  EXPECT_EQ(platform::_GetImplicitWindow("TestWnd.TestWnd"), nullptr);
  TestWnd::failLayout = false;
  EXPECT_EQ(TestWnd::Instance()->NameFld()->Left(), 10);
}

TEST_F(WindowConstructionTest, AHiddenWindowIsKeptAndAClosedOneIsBuiltAnewFromItsRecords) {
  auto first = TestWnd::Instance();
  first->NameFld()->SetText("typed");
  first->Hide();
  TestWnd::journal.clear();
  EXPECT_EQ(TestWnd::Instance()->NameFld()->Text(), "typed");
  EXPECT_TRUE(TestWnd::journal.empty());  // no second Open

  first->Close();
  EXPECT_EQ(TestWnd::journal, (Journal{"Close"}));
  EXPECT_FALSE(first->HasMenuHandler("HelloItem"));
  auto second = TestWnd::Instance();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->NameFld()->Text(), "");
  EXPECT_EQ(second->NameFld()->TextFont(), "Courier");

  std::weak_ptr<TestWnd> released = second;
  second.reset();
  platform::ReleaseAllImplicitWindows();  // as at shutdown: no Close event
  EXPECT_TRUE(released.expired()) << "its own menu handlers must not keep a window alive";
  EXPECT_EQ(TestWnd::journal.back(), "Open visible=0 same=1");
}

// A record without a place leaves the window where it is; a window of kind 1 is never shown.
TEST_F(WindowConstructionTest, AWindowRecordMayLeaveThePlaceAndAKindOneWindowIsNeverShown) {
  auto bare = platform::RuntimeCheckCast<platform::Window>(
      platform::RuntimeNewObject(platform::Window::Lookup()));
  const int32_t left = bare->Left();
  const int32_t top = bare->Top();
  platform::_SetProperties(
      *bare, PropertyRecord({{"Placement", 0}, {"Width", 640}, {"Height", 500}, {"MacProcID", 0}}));
  EXPECT_EQ((std::array{bare->Left(), bare->Top(), bare->Width()}), (std::array{left, top, 640}));
  platform::_SetProperties(*bare, PropertyRecord({{"Frame", 1}}));
  bare->Show();
  EXPECT_FALSE(bare->Visible());
}

TEST_F(WindowConstructionTest, ADamagedRecordChangesNothing) {
  auto field = TestWnd::Instance()->NameFld();
  std::string record = PropertyRecord({{"Text", "new"}, {"Left", 99}});
  EXPECT_THROW(platform::_SetProperties(field, record.substr(0, record.size() - 1)),
               platform::PropertyRecordException);
  EXPECT_THROW(platform::_SetProperties(field, record + "Colour "),
               platform::PropertyRecordException);
  EXPECT_EQ(field->Text(), "");
  EXPECT_EQ(field->Left(), 10);
}

// A record may carry any Int32 for a control's place and size. Far beyond any screen they are
// held to what one can show, before Qt does arithmetic on them (an edge past the Int32 range) or
// draws them (a style picture the size of a button a billion pixels high).
TEST_F(WindowConstructionTest, AControlRecordBeyondAnyScreenIsHeldToOne) {
  constexpr int32_t kLargest = std::numeric_limits<int32_t>::max();
  constexpr int32_t kSmallest = std::numeric_limits<int32_t>::min();
  struct Case {
    int32_t left, top, width, height;
    int32_t shownLeft, shownTop, shownWidth, shownHeight;
  };
  const Case cases[] = {
      {10, kLargest, 100, 20, 10, 8192, 100, 20},
      {kSmallest, kSmallest, 80, 1000000000, -8192, -8192, 80, 8192},
      {0, 0, kLargest, -5, 0, 0, 8192, 0},
      {-300, 7000, 120, 30, -300, 7000, 120, 30},
  };
  auto window = TestWnd::Instance();
  for (const Case& c : cases) {
    auto button = std::make_shared<platform::PushButton>();
    window->_AddControl("Button", button);
    // Place first, then size, as records list them.
    platform::_SetProperties(
        button, PropertyRecord(
                    {{"Left", c.left}, {"Top", c.top}, {"Width", c.width}, {"Height", c.height}}));
    EXPECT_EQ((std::array{button->Left(), button->Top(), button->Width(), button->Height()}),
              (std::array{c.shownLeft, c.shownTop, c.shownWidth, c.shownHeight}));
  }
  platform::ProcessPendingEvents();  // and every one of them drawn
}

}  // namespace
