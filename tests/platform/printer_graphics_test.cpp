#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <string>

#include "platform/graphics/graphics.h"
#include "platform/printing/printer_dialog.h"
#include "support/file_size_limit.h"
#include "support/pdf_files.h"
#include "support/scratch_folder.h"
#include "support/scripted_user_interaction.h"
#include "support/snapshot.h"

namespace {

using platform::PrinterSetup;
using testing_support::RenderPdfPage;
using testing_support::ScratchFolder;
using testing_support::ScriptedUserInteractionGuard;

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
// coordinates. Text is printed at its size on its baseline, searchable, and NextPage starts a new
// page with the same settings. On A4 the 540 x 720 printable area, centred, starts at (28, 61).
TEST_F(PrinterGraphicsTest, DrawingIsCutAtThePrintableAreaAndPagesFollowEachOther) {
  std::string path = Print([](platform::Graphics& g) {
    g.FillRect(-1000000, -1000000, 1000010, 1000010);
    g.FillRect(500, 700, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max());
    g.DrawRect(200, 300, 100, 50);
  });
  EXPECT_TRUE(testing_support::MatchesSnapshot(RenderPdfPage(path, 1), "printed-shapes"));

  path = Print(
      [](platform::Graphics& g) {
        g.SetTextFont("Times");
        g.SetTextSize(20);
        g.DrawString("Eleven", 0, 40);
        g.NextPage();
        g.DrawString("Factors", 100, 40);
      },
      PrinterSetup::Paper::kA4);
  EXPECT_EQ(testing_support::PdfPageSize(path), "595 x 842");
  EXPECT_EQ(testing_support::PdfText(path), "Eleven\n\fFactors\n\f");
  EXPECT_TRUE(testing_support::MatchesSnapshot(RenderPdfPage(path, 1), "printed-text-1"));
  EXPECT_TRUE(testing_support::MatchesSnapshot(RenderPdfPage(path, 2), "printed-text-2"));
}

// Cancelled, the dialog says nothing; a job that cannot start names its file. Neither writes.
TEST_F(PrinterGraphicsTest, NoJobGivesNil) {
  EXPECT_EQ(platform::OpenPrinterDialog(), nullptr);
  EXPECT_TRUE(ui_->messages.empty());

  std::string path = folder_.File("missing-folder/job.pdf");
  ui_->QueuePdfPrinter(path);
  EXPECT_EQ(platform::OpenPrinterDialog(), nullptr);
  EXPECT_EQ(ui_->boxes,
            (testing_support::Boxes{{"Could not print: the file \"" + path +
                                         "\" could not be written: No such file or directory.",
                                     0, ""}}));
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
  // Both as the one committed picture: the one printed is the one drawn.
  EXPECT_TRUE(testing_support::MatchesSnapshot(picture, "printed-embedded"));
  EXPECT_TRUE(testing_support::MatchesSnapshot(embedded, "printed-embedded"));
}

}  // namespace
