#include "shared/text_printing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "help/help_text.h"
#include "support/corvane_session.h"
#include "support/pdf_files.h"
#include "support/scratch_folder.h"
#include "support/snapshot.h"

namespace corvane {
namespace {

using testing_support::Ink;
using Paper = platform::PrinterSetup::Paper;
using Orientation = platform::PrinterSetup::Orientation;

class ReportPrintingTest : public testing_support::CorvaneSession {
 protected:
  // Presses Print with a PDF file chosen in the print dialog; returns the file.
  std::string PrintToPdf(Paper paper = Paper::kLetter,
                         Orientation orientation = Orientation::kPortrait) {
    const std::string path = folder_.File("job" + std::to_string(++jobs_) + ".pdf");
    User().QueuePdfPrinter(path, paper, orientation);
    platform::ClickButton(Window()->PrintBtn());
    return path;
  }

  testing_support::ScratchFolder folder_;
  int jobs_ = 0;
};

// Only an empty field is refused: a lone line break goes to the dialog, and cancelling it prints
// nothing, says nothing and leaves the field as it was.
TEST_F(ReportPrintingTest, OnlyAnEmptyFieldBeepsAndSaysSoWithoutADialog) {
  platform::ClickButton(Window()->PrintBtn());
  EXPECT_EQ(User().beeps, 1);
  EXPECT_EQ(User().boxes, (testing_support::Boxes{{"Nothing to print.", 0, ""}}));
  EXPECT_EQ(User().printDialogs, 0);

  Window()->EigenFld()->SetText("\r");
  platform::ClickButton(Window()->PrintBtn());
  EXPECT_EQ(User().printDialogs, 1);
  EXPECT_EQ(User().beeps, 1);
  EXPECT_EQ(User().boxes.size(), 1u);
  EXPECT_EQ(Window()->EigenFld()->Text(), "\r");
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

// A page holds sixty lines of the field's 12-point text. The text prints whole and in order, in
// the monospaced font, on the pages it needs and no blank one; the selection does not narrow it.
TEST_F(ReportPrintingTest, TheTextPrintsWholeSixtyLinesAPage) {
  auto lines = [](int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "LINE " + std::to_string(i) + (i < count ? "\r" : "");
    return text;
  };
  struct Case {
    std::string text;
    int pages;
  };
  const Case cases[] = {
      {lines(1), 1}, {lines(60), 1}, {lines(61), 2}, {lines(120), 2}, {lines(121), 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pages);
    Window()->EigenFld()->SetText(c.text);
    Window()->EigenFld()->SetSelStart(2);
    Window()->EigenFld()->SetSelLength(3);
    const std::string path = PrintToPdf();
    EXPECT_EQ(testing_support::PdfPageCount(path), c.pages);
    EXPECT_EQ(Ink(testing_support::PdfText(path)), Ink(c.text));
    EXPECT_EQ(testing_support::PdfPageSize(path), "612 x 792");
    EXPECT_EQ(Window()->EigenFld()->Text(), c.text);
    EXPECT_EQ(Window()->EigenFld()->SelLength(), 3);
  }
  EXPECT_EQ(User().boxes, testing_support::Boxes{});
}

// Whatever the paper and its orientation, every line reaches the paper with a margin, once and in
// order, on as many pages as on Letter.
TEST_F(ReportPrintingTest, EveryLineReachesThePaperWhateverItsSizeAndOrientation) {
  const std::tuple<Paper, Orientation, const char*, const char*> papers[] = {
      {Paper::kLetter, Orientation::kPortrait, "612 x 792", "printed-on-letter"},
      {Paper::kA4, Orientation::kPortrait, "595 x 842", "printed-on-a4"},
      {Paper::kA4, Orientation::kLandscape, "842 x 595", "printed-on-a4-landscape"},
      {Paper::kA5, Orientation::kPortrait, "420 x 595", "printed-on-a5"}};
  Window()->EigenFld()->SetText(kHelpText);  // long paragraphs, wrapped at the free width
  for (const auto& [paper, orientation, size, snapshot] : papers) {
    const std::string path = PrintToPdf(paper, orientation);
    EXPECT_EQ(testing_support::PdfPageSize(path), size);
    EXPECT_EQ(testing_support::PdfPageCount(path), 3) << size;
    EXPECT_EQ(Ink(testing_support::PdfText(path)), Ink(kHelpText)) << size;
    EXPECT_TRUE(
        testing_support::MatchesSnapshot(testing_support::RenderPdfPage(path, 1), snapshot));
  }
}

}  // namespace
}  // namespace corvane
