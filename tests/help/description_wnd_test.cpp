#include "help/description_wnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/corvane_session.h"
#include "help/help_text.h"
#include "platform/core/color.h"
#include "platform/graphics/picture.h"
#include "platform/testing/menu_user_simulation.h"
#include "support/pdf_files.h"
#include "support/picture_comparison.h"
#include "support/printed_text.h"
#include "support/scratch_folder.h"

namespace corvane {
namespace {

using Names = std::vector<std::string>;

// Corvane after its splash, the main window in front.
class DescriptionWndTest : public testing_support::CorvaneSession {
 protected:
  void SetUp() override {
    CorvaneSession::SetUp();
    StartUp();
    platform::ActivateWindow(MainWindow());
  }

  static std::shared_ptr<ControlWnd> MainWindow() {
    return platform::RuntimeCheckCast<ControlWnd>(OpenMainWindow());
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

// The opening is left selected, but the reader sees it only as bold text until the help text has
// the focus.
TEST_F(DescriptionWndTest, TheSelectedOpeningShowsNoHighlightWhileTheHelpTextLacksTheFocus) {
  auto window = ShownInFront();
  window->DescribeFld()->SetFocus();
  auto highlighted = [&] {
    platform::ProcessPendingEvents();
    auto content = platform::CaptureWindowContent(window);
    int count = 0;
    for (int32_t y = 0; y < 40; ++y) {
      for (int32_t x = 0; x < 200; ++x) {
        const platform::Color pixel = content->PixelColor(x, y);
        if (pixel.Blue() > pixel.Red() + 60) ++count;
      }
    }
    return count;
  };
  EXPECT_EQ(highlighted(), 0);
  window->DescribeFld2()->SetFocus();
  EXPECT_GT(highlighted(), 100);
}

TEST_F(DescriptionWndTest, TypingOrPastingIntoTheHelpTextChangesNothing) {
  auto window = ShownInFront();
  std::shared_ptr<platform::TextArea> help = window->DescribeFld2();
  help->SetFocus();
  help->SetSelStart(10);
  platform::TypeText(help, "typed\r\b\x7F");
  platform::PasteText(help, "pasted");
  EXPECT_EQ(help->Text(), kHelpText);
  ExpectBoldOpening(help);
  EXPECT_EQ(User().beeps, 0);
}

TEST_F(DescriptionWndTest, InFrontItOffersControlAndAboutButNotItselfAndBringsThemUp) {
  ShownInFront();
  EXPECT_EQ(platform::OpenMenu("WindowMenu"),
            (Names{"ControlMenuItem", "AboutMenuItem", "AboutUlk"}));
  EXPECT_EQ(platform::OpenMenu("FileMenu"), (Names{"Print", "FileQuit"}));

  MainWindow()->Hide();
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
  platform::ActivateWindow(MainWindow());
  platform::PressMouseOnCanvas(MainWindow()->Canvas1(), 30, 20);
  EXPECT_TRUE(Shown(OpenHelpWindow()));
  EXPECT_EQ(OpenHelpWindow(), opened);
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

  const int pages = testing_support::PdfPageCount(path);
  EXPECT_EQ(pages, testing_support::BlocksOfText(*help));
  EXPECT_GE(pages, 2);
  EXPECT_EQ(testing_support::PdfPageText(path, 1).substr(0, 8), "Corvane\n");
  EXPECT_EQ(testing_support::Ink(testing_support::PdfText(path)), testing_support::Ink(kHelpText));
  EXPECT_NE(testing_support::Ink(testing_support::PdfPageText(path, pages)), "");
  const std::string fonts = testing_support::PdfFonts(path);
  EXPECT_NE(fonts.find("LiberationSerif "), std::string::npos) << fonts;
  EXPECT_NE(fonts.find("LiberationSerif-Bold "), std::string::npos) << fonts;
  // Paragraphs wrap at the free area's full width: on a Letter page it starts 36 points in, and the
  // longest of a page's ragged lines comes within a word of its right edge.
  auto firstPage = testing_support::RenderPdfPage(path, 1);
  ASSERT_NE(firstPage, nullptr);
  const auto ink = testing_support::DarkBox(*firstPage, 3 * 128);
  EXPECT_NEAR(ink.left, 36, 2);
  EXPECT_GT(ink.right, 36 + 515);
  EXPECT_LE(ink.right, 36 + 541);

  EXPECT_EQ(help->Text(), kHelpText);
  EXPECT_EQ(help->SelStart(), 4000);
  EXPECT_EQ(help->SelLength(), 120);
  ExpectBoldOpening(help);
}

}  // namespace
}  // namespace corvane
