#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <string>

#include "platform/core/color.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/picture.h"
#include "platform/printing/printer_dialog.h"
#include "platform/printing/printer_setup.h"
#include "support/file_size_limit.h"
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

// Shapes follow the picture rules in points; drawing is cut at the printable area's top-left
// corner, half an inch in on Letter, and at the paper's right and bottom edges, whatever the
// coordinates.
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
// and NextPage starting a new page with the same settings. On A4 the 540 x 720 printable area,
// centred, starts at (28, 61).
TEST_F(PrinterGraphicsTest, TextIsPrintedAtItsSizeAndPagesFollowEachOther) {
  std::string path = Print(
      [](platform::Graphics& g) {
        g.SetTextFont("Times");
        g.SetTextSize(20);
        g.DrawString("Eleven", 0, 40);
        g.NextPage();
        g.DrawString("Factors", 100, 40);
        g.NextPage();
        g.DrawString("Trivial", 200, 40);
      },
      PrinterSetup::Paper::kA4);
  EXPECT_EQ(PdfPageCount(path), 3);
  EXPECT_EQ(testing_support::PdfPageSize(path), "595 x 842");
  std::string text = testing_support::PdfText(path);
  for (const char* word : {"Eleven", "Factors", "Trivial"}) {
    EXPECT_NE(text.find(word), std::string::npos) << word;
  }
  for (int page = 1; page <= 3; ++page) {
    SCOPED_TRACE(page);
    auto rendered = RenderPdfPage(path, page);
    ASSERT_NE(rendered, nullptr);
    Box inked = InkedBox(*rendered);
    EXPECT_NEAR(inked.left, 28 + 100 * (page - 1), 2);
    EXPECT_LE(inked.bottom, 61 + 40);  // no descenders in these words
    EXPECT_GE(inked.bottom, 61 + 40 - 2);
    EXPECT_GE(inked.top, 61 + 40 - 20);  // capitals of a 20-point face
    EXPECT_LE(inked.top, 61 + 40 - 10);
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

// A job whose file cannot be finished, the disk full part way, says so as it ends and leaves the
// earlier file as it was, with nothing beside it.
TEST_F(PrinterGraphicsTest, AJobThatCannotBeWrittenKeepsTheEarlierFileAndSaysWhy) {
  const std::string path = folder_.File("job.pdf");
  std::ofstream(path) << "a good earlier document";
  ui_->QueuePdfPrinter(path);
  {
    testing_support::FileSizeLimit disk(1000);
    std::shared_ptr<platform::Graphics> printer = platform::OpenPrinterDialog();
    ASSERT_NE(printer, nullptr);
    printer->DrawString("Eleven factors", 0, 40);
  }
  EXPECT_EQ(ui_->messages, std::vector<std::string>{"Could not print: the file \"" + path +
                                                    "\" could not be written: File too large."});
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a good earlier document");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

// A picture reaches the paper as it is, thin lines and all: nothing lossy between.
TEST_F(PrinterGraphicsTest, PicturesArePrintedLosslessly) {
  auto picture = platform::NewPicture(60, 42, 32);
  for (int32_t x = 0; x < 60; x += 3) {
    picture->Graphics().SetForeColor(platform::RGB(x * 4, 0, 255 - x * 4));
    picture->Graphics().DrawLine(x, 0, 59 - x, 41);
  }
  std::string path =
      Print([&](platform::Graphics& g) { g.DrawPicture(picture, 20, 100, 54, 38, 0, 0, 60, 42); });
  std::string encoding;
  auto embedded = testing_support::PdfEmbeddedPicture(path, encoding);
  EXPECT_NE(encoding, "jpeg");
  EXPECT_EQ(testing_support::CompareChannels(embedded, picture).largest, 0);
}

}  // namespace
