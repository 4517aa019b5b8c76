#include "shared/text_printing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "help/help_text.h"
#include "main_window_session.h"
#include "platform/printing/printer_setup.h"
#include "platform/testing/user_simulation.h"
#include "support/pdf_files.h"
#include "support/picture_comparison.h"
#include "support/printed_text.h"
#include "support/scratch_folder.h"

namespace corvane {
namespace {

using Calls = std::vector<std::string>;
using testing_support::Ink;
using Paper = platform::PrinterSetup::Paper;
using Orientation = platform::PrinterSetup::Orientation;

// Stands in for both the styled-text printer and the printer's pages, and logs what the loop asks.
struct RecordingPrinter {
  int blocksLeft;
  Calls calls;

  bool Eof() const { return blocksLeft == 0; }
  void DrawBlock(int32_t x, int32_t y, int32_t height) {
    calls.push_back(std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(height));
    --blocksLeft;
  }
  void NextPage() { calls.push_back("NextPage"); }
};

TEST(PrintBlocksTest, DrawsOneBlockPerPageAndTurnsThePageOnlyWhileTextRemains) {
  const std::string block = "0 0 720";
  const std::vector<std::pair<int, Calls>> cases = {
      {0, {}},
      {1, {block}},
      {3, {block, "NextPage", block, "NextPage", block}},
  };
  for (const auto& [blocks, expected] : cases) {
    SCOPED_TRACE(blocks);
    RecordingPrinter printer{blocks, {}};
    PrintBlocks(printer, printer);
    EXPECT_EQ(printer.calls, expected);
  }
}

const char kWorkedExample[] =
    "5.43\r3.11\r2.24\r1.89\r1.52\r1.29\r.80\r.46\r.41\r.37\r"
    ".35\r.33\r.30\r.28\r.25\r.24\r.21\r.20\r.18\r.15";

class ReportPrintingTest : public testing_support::MainWindowSession {
 protected:
  // Presses Print with a PDF file chosen in the print dialog; returns the file.
  std::string PrintToPdf(Paper paper = Paper::kLetter,
                         Orientation orientation = Orientation::kPortrait) {
    const std::string path = folder_.File("job" + std::to_string(++jobs_) + ".pdf");
    User().QueuePdfPrinter(path, paper, orientation);
    platform::ClickButton(Window()->PrintBtn());
    return path;
  }

  void CalculateFor(const std::string& variables, const std::string& eigenvalues) {
    Window()->NVarsFld()->SetText(variables);
    Window()->EigenFld()->SetText(eigenvalues);
    Calculate();
    ASSERT_EQ(User().messages, std::vector<std::string>{});
  }

  // The whole report in the file, in order, nothing added; its pages all it needs and no more.
  void ExpectPrintedWhole(const std::string& path) {
    const int pages = testing_support::PdfPageCount(path);
    EXPECT_EQ(pages, testing_support::BlocksOfText(*Window()->EigenFld()));
    EXPECT_EQ(Ink(testing_support::PdfText(path)), Ink(Window()->EigenFld()->Text()));
    EXPECT_NE(Ink(testing_support::PdfPageText(path, pages)), "") << "a blank last page";
    EXPECT_NE(testing_support::PdfFonts(path).find("LiberationMono"), std::string::npos)
        << testing_support::PdfFonts(path);
  }

  testing_support::ScratchFolder folder_;
  int jobs_ = 0;
};

// Only an empty field is refused: a lone line break goes to the dialog, and cancelling it prints
// nothing, says nothing and leaves the field as it was.
TEST_F(ReportPrintingTest, OnlyAnEmptyFieldBeepsAndSaysSoWithoutADialog) {
  platform::ClickButton(Window()->PrintBtn());
  EXPECT_EQ(User().beeps, 1);
  EXPECT_EQ(User().messages, std::vector<std::string>{"Nothing to print."});
  EXPECT_EQ(User().printDialogs, 0);

  Window()->EigenFld()->SetText("\r");
  platform::ClickButton(Window()->PrintBtn());
  EXPECT_EQ(User().printDialogs, 1);
  EXPECT_EQ(User().beeps, 1);
  EXPECT_EQ(User().messages.size(), 1u);
  EXPECT_EQ(Window()->EigenFld()->Text(), "\r");
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

// The worked example's report takes one letter-sized page, ninety-nine variables' take two; the
// selection does not narrow what prints.
TEST_F(ReportPrintingTest, AReportPrintsWholeOnTheFewPagesItNeedsInTheMonospacedFont) {
  CalculateFor("20", kWorkedExample);
  const std::string report = Window()->EigenFld()->Text();
  Window()->EigenFld()->SetSelStart(40);
  Window()->EigenFld()->SetSelLength(12);
  std::string path = PrintToPdf();
  EXPECT_EQ(testing_support::PdfPageCount(path), 1);
  ExpectPrintedWhole(path);
  EXPECT_EQ(testing_support::PdfPageSize(path), "612 x 792");
  EXPECT_EQ(Window()->EigenFld()->Text(), report);
  EXPECT_EQ(Window()->EigenFld()->SelStart(), 40);
  EXPECT_EQ(Window()->EigenFld()->SelLength(), 12);
}

// Whatever the paper and its orientation, every line lands on the paper with a margin, once and in
// order, on as many pages as on Letter: ninety-nine variables' report takes two.
TEST_F(ReportPrintingTest, EveryLineReachesThePaperWhateverItsSizeAndOrientation) {
  struct PaperCase {
    Paper paper;
    Orientation orientation;
    const char* size;
  };
  const PaperCase papers[] = {{Paper::kLetter, Orientation::kPortrait, "612 x 792"},
                              {Paper::kA4, Orientation::kPortrait, "595 x 842"},
                              {Paper::kA4, Orientation::kLandscape, "842 x 595"},
                              {Paper::kA5, Orientation::kPortrait, "420 x 595"}};
  std::string eigenvalues;
  for (int i = 99; i >= 1; --i) eigenvalues += std::to_string(i / 10.0) + "\r";
  CalculateFor("99", eigenvalues);
  EXPECT_EQ(testing_support::BlocksOfText(*Window()->EigenFld()), 2);
  for (const std::string& text : {Window()->EigenFld()->Text(), std::string(kHelpText)}) {
    Window()->EigenFld()->SetText(text);
    for (const PaperCase& c : papers) {
      SCOPED_TRACE(std::string(c.size) + ", " + text.substr(0, 20));
      const std::string path = PrintToPdf(c.paper, c.orientation);
      ExpectPrintedWhole(path);
      EXPECT_EQ(testing_support::PdfPageSize(path), c.size);
      for (int page = 1; page <= testing_support::PdfPageCount(path); ++page) {
        auto rendered = testing_support::RenderPdfPage(path, page);
        ASSERT_NE(rendered, nullptr);
        const auto inked = testing_support::DarkBox(*rendered, 3 * 200);
        constexpr int32_t kMargin = 9;
        EXPECT_GE(std::min(inked.left, inked.top), kMargin) << page;
        EXPECT_LT(inked.right, rendered->Width() - kMargin) << page;
        EXPECT_LT(inked.bottom, rendered->Height() - kMargin) << page;
      }
    }
  }
  EXPECT_EQ(User().messages, std::vector<std::string>{});
}

}  // namespace
}  // namespace corvane
