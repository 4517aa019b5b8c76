#include <gtest/gtest.h>

#include <algorithm>

#include "platform/implicit_instances.h"
#include "platform/property_record.h"
#include "platform/set_properties.h"
#include "platform/user_simulation.h"
#include "support/scripted_user_interaction.h"
#include "test_wnd.h"

namespace {

using testing_support::TestWnd;

class WindowConstructionTest : public ::testing::Test {
 protected:
  void SetUp() override { TestWnd::Reset(); }
  void TearDown() override {
    TestWnd::Reset();
    platform::ProcessPendingEvents();
  }
  testing_support::ScriptedUserInteractionGuard messages_;
};

TEST_F(WindowConstructionTest, TheEventTableHasTheWindowEventsWithTheClassHandlers) {
  const platform::ClassRecord& record = TestWnd::Lookup();
  ASSERT_EQ(record.events.size(), 33u);
  EXPECT_EQ(record.events.front().eventName, "Layout");
  EXPECT_EQ(record.events.back().eventName, "ContentsChanged");
  EXPECT_EQ(record.FindEvent("AddMenuHandlers")->handlerName, "AddMenuHandlers");
  EXPECT_EQ(record.FindEvent("Close")->handlerName, "Event_Close");
  EXPECT_EQ(record.FindEvent("KeyDown")->handlerName, "");
  EXPECT_EQ(record.superclass, &platform::Window::Lookup());
  EXPECT_EQ(record.FindMethod("_CreateControls0")->attributes.size(), 2u);
  EXPECT_FALSE(record.FindMethod("_CreateControls0")->attributes[1].hasValue);
  platform::ClassRecord& other =
      platform::RuntimeNewClass("Other.Other", &platform::Window::Lookup());
  EXPECT_THROW(other.SetEventHandler("Close"), platform::RuntimeException);  // no Event_Close
}

TEST_F(WindowConstructionTest, HooksRunInTableOrderThenOpenEventsThenTheWindowShows) {
  auto window = TestWnd::Instance();
  EXPECT_EQ(TestWnd::journal,
            (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                      "Picture_Open 40x30", "Open visible=0 same=1"}));
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->Title(), "Test window");
  EXPECT_EQ(window->Width(), 320);
  EXPECT_EQ(window->Height(), 240);
  EXPECT_EQ(window->Left(), 40);
  EXPECT_EQ(window->Top(), 50);
  EXPECT_TRUE(messages_->messages.empty());
}

TEST_F(WindowConstructionTest, ControlsCarryTheirCodeSetAndRecordValues) {
  auto window = TestWnd::Instance();
  auto name = window->NameFld();
  EXPECT_EQ(name->Left(), 10);
  EXPECT_EQ(name->Width(), 200);
  EXPECT_EQ(name->TextFont(), "Courier");
  EXPECT_FLOAT_EQ(name->TextSize(), 12.0f);
  EXPECT_EQ(name->Index(), platform::kNoControlArrayIndex);
  EXPECT_EQ(window->CodeFld()->LimitText(), 2);
  EXPECT_EQ(window->OkBtn()->Caption(), "OK");
  EXPECT_EQ(window->TitleLbl()->Text(), "Title \xC2\xA9 the Corvane authors");
  EXPECT_TRUE(window->TitleLbl()->Bold());
  EXPECT_EQ(window->Rule()->BottomRightColor(), platform::Color(0x00FF00));
  EXPECT_EQ(window->_ControlByName("Nothing"), nullptr);
  EXPECT_THROW(platform::RuntimeCheckCast<platform::PushButton>(window->_ControlByName("Rule")),
               platform::IllegalCastException);
}

TEST_F(WindowConstructionTest, AHiddenWindowIsReturnedAsItIs) {
  auto window = TestWnd::Instance();
  window->NameFld()->SetText("kept");
  window->Hide();
  size_t entries = TestWnd::journal.size();
  auto again = TestWnd::Instance();
  EXPECT_EQ(again, window);
  EXPECT_FALSE(again->Visible());
  EXPECT_EQ(again->NameFld()->Text(), "kept");
  EXPECT_EQ(TestWnd::journal.size(), entries);
}

TEST_F(WindowConstructionTest, AfterCloseTheNextReferenceBuildsANewWindowFromTheRecords) {
  auto first = TestWnd::Instance();
  first->NameFld()->SetText("typed");
  first->Close();
  EXPECT_TRUE(first->IsClosed());
  EXPECT_EQ(TestWnd::journal.back(), "Close");
  EXPECT_EQ(platform::_GetImplicitWindow("TestWnd.TestWnd"), nullptr);
  EXPECT_FALSE(first->HasMenuHandler("HelloItem"));

  TestWnd::journal.clear();
  auto second = TestWnd::Instance();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->NameFld()->Text(), "");
  EXPECT_NE(second->NameFld(), first->NameFld());
  EXPECT_EQ(TestWnd::journal.back(), "Open visible=0 same=1");
  EXPECT_TRUE(second->HasMenuHandler("HelloItem"));
}

TEST_F(WindowConstructionTest, AWindowIsNotKeptAliveByItsOwnMenuHandlers) {
  std::weak_ptr<TestWnd> window = TestWnd::Instance();
  ASSERT_TRUE(window.lock()->HasMenuHandler("HelloItem"));
  platform::ReleaseAllImplicitWindows();  // as at shutdown: no Close event
  EXPECT_TRUE(window.expired());
  EXPECT_NE(TestWnd::journal.back(), "Close");
}

TEST_F(WindowConstructionTest, AFailingHookDiscardsTheHalfBuiltWindow) {
  TestWnd::failLayout = true;
  EXPECT_THROW(TestWnd::Instance(), platform::OutOfBoundsException);
  EXPECT_EQ(platform::_GetImplicitWindow("TestWnd.TestWnd"), nullptr);
  TestWnd::failLayout = false;
  EXPECT_EQ(TestWnd::Instance()->NameFld()->Name(), "NameFld");
}

TEST_F(WindowConstructionTest, ARecordInReverseOrderConfiguresLikeTheForwardOne) {
  auto window = TestWnd::Instance();
  std::vector<platform::PropertyEntry> entries = TestWnd::NameFldEntries();
  for (auto& entry : entries) {
    if (entry.key == "Text") entry.value = platform::PropertyValue("line 1\rline 2");
    if (entry.key == "Alignment") entry.value = platform::PropertyValue(2);
    if (entry.key == "LimitText") entry.value = platform::PropertyValue(9);
  }
  std::vector<platform::PropertyEntry> reversed(entries.rbegin(), entries.rend());
  auto forward = std::make_shared<platform::TextArea>();
  auto backward = std::make_shared<platform::TextArea>();
  window->_AddControl("Forward", forward);
  window->_AddControl("Backward", backward);
  platform::_SetProperties(forward, platform::PropertyRecord(entries));
  platform::_SetProperties(backward, platform::PropertyRecord(reversed));

  for (const auto& entry : entries) {
    ASSERT_TRUE(backward->StoredProperty(entry.key)) << entry.key;
    EXPECT_EQ(*backward->StoredProperty(entry.key), *forward->StoredProperty(entry.key))
        << entry.key;
  }
  EXPECT_EQ(backward->Text(), "line 1\rline 2");
  EXPECT_EQ(backward->Text(), forward->Text());
  EXPECT_EQ(backward->LimitText(), 9);
  EXPECT_EQ(backward->Name(), "NameFld");
  EXPECT_EQ(backward->Left(), forward->Left());
  EXPECT_EQ(backward->Height(), forward->Height());
  EXPECT_EQ(backward->TextFont(), forward->TextFont());
}

TEST_F(WindowConstructionTest, AWindowRecordWithoutLeftAndTopKeepsTheNewWindowsPlace) {
  auto window = TestWnd::Instance();
  auto bare = platform::RuntimeCheckCast<platform::Window>(
      platform::RuntimeNewObject(platform::Window::Lookup()));
  int32_t left = bare->Left();
  int32_t top = bare->Top();
  platform::_SetProperties(*bare, platform::PropertyRecord({{"Placement", 0},
                                                            {"Width", 640},
                                                            {"Height", 500},
                                                            {"Title", "Graph"},
                                                            {"MacProcID", 0}}));
  EXPECT_EQ(bare->Left(), left);
  EXPECT_EQ(bare->Top(), top);
  EXPECT_EQ(bare->Width(), 640);
  EXPECT_EQ(bare->StoredProperty("Left"), nullptr);
}

TEST_F(WindowConstructionTest, ADamagedRecordChangesNothing) {
  auto field = TestWnd::Instance()->NameFld();
  std::string record = platform::PropertyRecord({{"Text", "new"}, {"Left", 99}});
  EXPECT_THROW(platform::_SetProperties(field, record.substr(0, record.size() - 1)),
               platform::PropertyRecordException);
  EXPECT_EQ(field->Text(), "");
  EXPECT_EQ(field->Left(), 10);
}

TEST_F(WindowConstructionTest, AWindowOfKindOneIsNeverShown) {
  auto window = TestWnd::Instance();
  platform::_SetProperties(*window, platform::PropertyRecord({{"Frame", 1}}));
  window->Hide();
  window->Show();
  EXPECT_FALSE(window->Visible());
}

}  // namespace
