#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>

#include "platform/color.h"
#include "platform/graphics.h"
#include "platform/picture.h"
#include "platform/printer_dialog.h"
#include "platform/printer_setup.h"
#include "support/pdf_files.h"
#include "support/picture_comparison.h"
#include "support/scratch_folder.h"
#include "support/scripted_user_interaction.h"

namespace {

using platform::PrinterSetup;
using testing_support::Box;
using testing_support::PdfPageCount;
using testing_support::RenderPdfPage;
using testing_support::ScratchFolder;
using testing_support::ScriptedUserInteractionGuard;

constexpr platform::Color kBlack = platform::RGB(0, 0, 0);
constexpr platform::Color kWhite = platform::RGB(255, 255, 255);

// Ink, perhaps at an edge that the rendering smoothed: darker than light grey.
constexpr int32_t kInk = 3 * 200;

Box InkedBox(const platform::Picture& page) {
  return testing_support::DarkBox(page, kInk);
}

struct Paper {
  PrinterSetup::Paper paper;
  const char* pageSize;  // in points, as the PDF states it
  int32_t marginLeft, marginTop;
};

// The printable area is 540 x 720 points centred on the paper.
const Paper kPapers[] = {
    {PrinterSetup::Paper::kLetter, "612 x 792", 36, 36},
    {PrinterSetup::Paper::kA4, "595 x 842", 28, 61},
};

class PrinterGraphicsTest : public ::testing::Test {
 protected:
  // Prints one job into a PDF file through the scripted dialog and returns the file's path.
  template <class Draw>
  std::string Print(Draw draw, PrinterSetup::Paper paper = PrinterSetup::Paper::kLetter) {
    std::string path = folder_.File("job" + std::to_string(++jobs_) + ".pdf");
    ui_->QueuePdfPrinter(path, paper);
    std::shared_ptr<platform::Graphics> printer = platform::OpenPrinterDialog();
    EXPECT_NE(printer, nullptr);
    if (printer) draw(*printer);
    return path;  // the job is written as the context goes
  }

  ScriptedUserInteractionGuard ui_;
  ScratchFolder folder_;
  int jobs_ = 0;
};

// A framed picture scaled to 90 % lands where the caller put it, counted from the printable
// area's corner in points, on either paper.
TEST_F(PrinterGraphicsTest, PicturesAreScaledIntoTheirRectangleFromThePrintableCorner) {
  auto picture = platform::NewPicture(600, 420, 32);
  picture->Graphics().SetForeColor(kBlack);
  picture->Graphics().DrawRect(0, 0, 600, 420);
  picture->Graphics().SetPenWidth(4);
  picture->Graphics().SetPenHeight(4);
  picture->Graphics().DrawLine(0, 0, 599, 419);
  for (const Paper& paper : kPapers) {
    std::string path = Print(
        [&](platform::Graphics& g) { g.DrawPicture(picture, 20, 100, 540, 378, 0, 0, 600, 420); },
        paper.paper);
    SCOPED_TRACE(paper.pageSize);
    EXPECT_EQ(PdfPageCount(path), 1);
    EXPECT_EQ(testing_support::PdfPageSize(path), paper.pageSize);
    auto page = RenderPdfPage(path, 1);
    ASSERT_NE(page, nullptr);
    int32_t left = paper.marginLeft + 20;
    int32_t top = paper.marginTop + 100;
    Box inked = InkedBox(*page);
    EXPECT_NEAR(inked.left, left, 1);
    EXPECT_NEAR(inked.top, top, 1);
    EXPECT_NEAR(inked.right, left + 539, 1);
    EXPECT_NEAR(inked.bottom, top + 377, 1);
    EXPECT_TRUE(testing_support::Dark(page->PixelColor(left + 270, top + 189), kInk))
        << "the diagonal, scaled";
    EXPECT_EQ(page->PixelColor(left + 270, top + 50), kWhite);
  }
}

// Shapes follow the picture rules in points; drawing is cut at the printable area's top-left
// corner and at the paper's right and bottom edges, whatever the coordinates.
TEST_F(PrinterGraphicsTest, ShapesAreCutAtTheOriginAndAtThePapersEdges) {
  constexpr int32_t kFar = std::numeric_limits<int32_t>::max();
  std::string path = Print([](platform::Graphics& g) {
    g.SetForeColor(kBlack);
    g.FillRect(-1000000, -1000000, 1000010, 1000010);
    g.FillRect(500, 700, kFar, kFar);
    g.DrawRect(200, 300, 100, 50);
  });
  auto page = RenderPdfPage(path, 1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(InkedBox(*page), (Box{36, 36, 611, 791}));
  EXPECT_EQ(page->PixelColor(36 + 9, 36 + 9), kBlack);
  EXPECT_EQ(page->PixelColor(36 + 10, 36 + 10), kWhite);
  EXPECT_EQ(page->PixelColor(36 + 200, 36 + 300), kBlack);
  EXPECT_EQ(page->PixelColor(36 + 299, 36 + 349), kBlack);
  EXPECT_EQ(page->PixelColor(36 + 250, 36 + 325), kWhite);
}

// Text printing relies on this: the text at its size on its baseline, searchable in the file,
// and NextPage starting a new page with the same settings.
TEST_F(PrinterGraphicsTest, TextIsPrintedAtItsSizeAndPagesFollowEachOther) {
  std::string path = Print([](platform::Graphics& g) {
    g.SetTextFont("Times");
    g.SetTextSize(20);
    g.DrawString("Eleven", 0, 40);
    g.NextPage();
    g.DrawString("Factors", 100, 40);
    g.NextPage();
    g.DrawString("Trivial", 200, 40);
  });
  EXPECT_EQ(PdfPageCount(path), 3);
  std::string text = testing_support::PdfText(path);
  for (const char* word : {"Eleven", "Factors", "Trivial"}) {
    EXPECT_NE(text.find(word), std::string::npos) << word;
  }
  for (int page = 1; page <= 3; ++page) {
    SCOPED_TRACE(page);
    auto rendered = RenderPdfPage(path, page);
    ASSERT_NE(rendered, nullptr);
    Box inked = InkedBox(*rendered);
    EXPECT_NEAR(inked.left, 36 + 100 * (page - 1), 2);
    EXPECT_LE(inked.bottom, 36 + 40);  // no descenders in these words
    EXPECT_GE(inked.bottom, 36 + 40 - 2);
    EXPECT_GE(inked.top, 36 + 40 - 20);  // capitals of a 20-point face
    EXPECT_LE(inked.top, 36 + 40 - 10);
  }
}

// Cancelled, the dialog says nothing; a job that cannot start names its file. Neither writes.
TEST_F(PrinterGraphicsTest, NoJobGivesNil) {
  EXPECT_EQ(platform::OpenPrinterDialog(), nullptr);
  EXPECT_TRUE(ui_->messages.empty());

  std::string path = folder_.File("missing-folder/job.pdf");
  ui_->QueuePdfPrinter(path);
  EXPECT_EQ(platform::OpenPrinterDialog(), nullptr);
  ASSERT_EQ(ui_->messages.size(), 1u);
  EXPECT_NE(ui_->messages[0].find(path), std::string::npos) << ui_->messages[0];
  EXPECT_EQ(ui_->printDialogs, 2);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

}  // namespace
