#include "help/description_wnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "help/help_text.h"
#include "platform/testing/menu_user_simulation.h"
#include "support/corvane_session.h"
#include "support/pdf_files.h"
#include "support/scratch_folder.h"
#include "support/snapshot.h"

namespace corvane {
namespace {

using Names = std::vector<std::string>;

// Corvane after its splash, the main window in front.
class DescriptionWndTest : public testing_support::CorvaneSession {
 protected:
  void SetUp() override {
    CorvaneSession::SetUp();
    StartUp();
    platform::ActivateWindow(Window());
  }

  static std::shared_ptr<platform::Window> OpenHelpWindow() {
    return platform::_GetImplicitWindow(DescriptionWnd::Lookup().name);
  }
  static std::shared_ptr<DescriptionWnd> ShownInFront() {
    DescriptionWnd::Instance()->Show();
    platform::ActivateWindow(DescriptionWnd::Instance());
    return DescriptionWnd::Instance();
  }
};

// The title, its two line ends (whose marks do not count) and twenty characters are bold. Reads
// character by character, leaving the reader's selection as it was.
void ExpectBoldOpening(const std::shared_ptr<platform::TextArea>& area) {
  const int32_t start = area->SelStart();
  const int32_t length = area->SelLength();
  std::string map;
  for (int32_t i = 0; i < 32; ++i) {
    area->SetSelStart(i);
    area->SetSelLength(1);
    map += (i == 7 || i == 8) ? '?' : area->SelBold() ? 'B' : '.';
  }
  area->SetSelStart(start);
  area->SetSelLength(length);
  EXPECT_EQ(map, "BBBBBBB??" + std::string(20, 'B') + "...");
}

TEST_F(DescriptionWndTest, TheBoldOpeningIsSetOncePerWindowAndAgainInANewOne) {
  auto first = DescriptionWnd::Instance();
  ExpectBoldOpening(first->DescribeFld2());

  // Showing the open window again does not run its Open event: the reader's place stays.
  first->DescribeFld2()->SetSelStart(300);
  ShownInFront();
  ShownInFront();
  EXPECT_EQ(DescriptionWnd::Instance(), first);
  EXPECT_EQ(first->DescribeFld2()->SelStart(), 300);
  EXPECT_EQ(first->DescribeFld2()->SelLength(), 0);

  platform::CloseByCloseBox(first);
  platform::ProcessPendingEvents();
  EXPECT_EQ(OpenHelpWindow(), nullptr);
  auto second = ShownInFront();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->DescribeFld2()->SelStart(), 0);
  EXPECT_EQ(second->DescribeFld2()->SelLength(), kBoldOpeningLength);
  ExpectBoldOpening(second->DescribeFld2());
}

TEST_F(DescriptionWndTest, InFrontItOffersControlAndAboutButNotItselfAndBringsThemUp) {
  ShownInFront();
  EXPECT_EQ(platform::OpenMenu("WindowMenu"),
            (Names{"ControlMenuItem", "AboutMenuItem", "AboutUlk"}));
  EXPECT_EQ(platform::OpenMenu("FileMenu"), (Names{"Print", "FileQuit"}));

  Window()->Hide();
  EXPECT_TRUE(platform::ChooseMenuItem("ControlMenuItem"));
  EXPECT_TRUE(Shown(OpenMainWindow()));

  ShownInFront();
  EXPECT_FALSE(Shown(OpenAboutBox()));
  EXPECT_TRUE(platform::ChooseMenuItem("AboutMenuItem"));
  EXPECT_TRUE(Shown(OpenAboutBox()));
  EXPECT_TRUE(Shown(OpenHelpWindow()));
  EXPECT_EQ(User().messages, Names{});
}

TEST_F(DescriptionWndTest, TheMainWindowShowsItFromTheDescriptionItemAndTheQuestionMark) {
  EXPECT_EQ(OpenHelpWindow(), nullptr);
  EXPECT_TRUE(platform::ChooseMenuItem("DescriptionMenuItem"));
  ASSERT_TRUE(Shown(OpenHelpWindow()));
  const auto opened = OpenHelpWindow();

  opened->Hide();
  platform::ActivateWindow(Window());
  platform::PressMouseOnCanvas(Window()->Canvas1(), 30, 20);
  EXPECT_TRUE(Shown(OpenHelpWindow()));
  EXPECT_EQ(OpenHelpWindow(), opened);
}

// The help text is read-only: typed keys, Return among them, and a paste leave it as it was,
// without a beep.
TEST_F(DescriptionWndTest, TypingOrPastingIntoTheHelpTextChangesNothing) {
  std::shared_ptr<platform::TextArea> help = ShownInFront()->DescribeFld2();
  help->SetFocus();
  help->SetSelStart(10);
  platform::TypeText(help, "typed\r\b\x7F");
  platform::PasteText(help, "pasted");
  EXPECT_EQ(help->Text(), kHelpText);
  ExpectBoldOpening(help);
  EXPECT_EQ(User().beeps, 0);
}

// Print goes straight to the dialog; cancelled, it says nothing. Whatever part the reader has
// scrolled to or selected, the whole text prints from its title on, in Times with its bold opening.
TEST_F(DescriptionWndTest, PrintPrintsTheWholeHelpTextWhateverIsScrolledOrSelected) {
  std::shared_ptr<platform::TextArea> help = ShownInFront()->DescribeFld2();
  EXPECT_TRUE(platform::ChooseMenuItem("Print"));
  EXPECT_EQ(User().printDialogs, 1);
  EXPECT_EQ(User().messages, Names{});
  EXPECT_EQ(User().beeps, 0);

  help->SetSelStart(4000);
  help->SetSelLength(120);
  testing_support::ScratchFolder folder;
  const std::string path = folder.File("help.pdf");
  User().QueuePdfPrinter(path);
  EXPECT_TRUE(platform::ChooseMenuItem("Print"));

  EXPECT_EQ(testing_support::PdfPageCount(path), 2);
  EXPECT_EQ(testing_support::Ink(testing_support::PdfText(path)), testing_support::Ink(kHelpText));
  // Paragraphs wrap at the free area's full width, half an inch in on a Letter page; the second
  // page holds the caution, the references and the notices.
  EXPECT_TRUE(
      testing_support::MatchesSnapshot(testing_support::RenderPdfPage(path, 1), "printed-help"));
  EXPECT_TRUE(
      testing_support::MatchesSnapshot(testing_support::RenderPdfPage(path, 2), "printed-help-2"));

  EXPECT_EQ(help->Text(), kHelpText);
  EXPECT_EQ(help->SelStart(), 4000);
  EXPECT_EQ(help->SelLength(), 120);
  ExpectBoldOpening(help);
}

}  // namespace
}  // namespace corvane
