#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/graphics.h"
#include "platform/printing/printer_dialog.h"
#include "support/file_size_limit.h"
#include "support/pdf_files.h"
#include "support/scratch_folder.h"
#include "support/scripted_user_interaction.h"
#include "support/snapshot.h"

namespace {

// While set, the names this program opens files by (the PDF engine among them), in order.
std::vector<std::string>* openedNames = nullptr;

}  // namespace

// Stands in for the C library's open64 in this test program alone, which links it ahead of the
// library; it passes every call on, noting the name while a test watches.
extern "C" int open64(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
    va_list arguments;
    va_start(arguments, flags);
    mode = va_arg(arguments, mode_t);
    va_end(arguments);
  }
  if (openedNames) openedNames->push_back(path);
  static auto* const real =
      reinterpret_cast<int (*)(const char*, int, ...)>(dlsym(RTLD_NEXT, "open64"));
  return real(path, flags, mode);
}

namespace {

using platform::PrinterSetup;
using testing_support::RenderPdfPage;
using testing_support::ScratchFolder;
using testing_support::ScriptedUserInteractionGuard;

class PrinterGraphicsTest : public ::testing::Test {
 protected:
  // Prints one job into a PDF file through the scripted dialog, with whatever else `choose` picks
  // there, and returns the file's path.
  template <class Draw>
  std::string Print(Draw draw, PrinterSetup::Paper paper = PrinterSetup::Paper::kLetter,
                    const std::function<void(PrinterSetup&)>& choose = nullptr) {
    std::string path = folder_.File("job" + std::to_string(++jobs_) + ".pdf");
    ui_->QueuePrinter([=](PrinterSetup& setup) {
      setup.PrintToPdfFile(path, paper);
      if (choose) choose(setup);
    });
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

// A disk that refuses part of the job and then has room again leaves the file cut short all the
// same: it is refused, though the reason is gone, and the earlier file stays as it was.
TEST_F(PrinterGraphicsTest, AJobTheDiskRefusedForAWhileKeepsTheEarlierFile) {
  // Noise, which the document cannot make smaller: each picture reaches the disk as it is drawn.
  uint32_t state = 1;
  auto noise = [&] {
    auto picture = platform::NewPicture(200, 200, 32);
    for (int32_t y = 0; y < 200; ++y) {
      for (int32_t x = 0; x < 200; ++x) {
        state = state * 1664525u + 1013904223u;
        picture->Graphics().SetForeColor(platform::Color(state >> 8));
        picture->Graphics().FillRect(x, y, 1, 1);
      }
    }
    return picture;
  };
  const std::string path = folder_.File("job.pdf");
  std::ofstream(path) << "a good earlier document";
  ui_->QueuePdfPrinter(path);
  {
    std::shared_ptr<platform::Graphics> printer = platform::OpenPrinterDialog();
    ASSERT_NE(printer, nullptr);
    printer->DrawPicture(noise(), 0, 0);
    {
      testing_support::FileSizeLimit disk(0);
      printer->DrawPicture(noise(), 0, 200);
    }
    printer->DrawPicture(noise(), 0, 400);
  }
  EXPECT_EQ(ui_->messages,
            std::vector<std::string>{"Could not print: the file \"" + path +
                                     "\" could not be written: Input/output error."});
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a good earlier document");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

// A job is written on the program's one thread, as everything else is, into the very file it made
// beside the target: nothing opens that file by its name again, so a link put in its place
// meanwhile leads nowhere.
TEST_F(PrinterGraphicsTest, AJobWritesTheFileItMadeOnTheProgramsOneThread) {
  auto threads = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {});
  };
  const auto before = threads();
  std::vector<std::string> opened;
  openedNames = &opened;
  Print([&](platform::Graphics& g) {
    g.DrawString("Eleven", 0, 40);
    EXPECT_EQ(threads(), before);
  });
  openedNames = nullptr;
  EXPECT_EQ(ui_->messages, std::vector<std::string>{});
  for (const std::string& name : opened) EXPECT_EQ(name.find("/.corvane-"), std::string::npos);
}

// An ordinary user prints over the files they may write, as they save pictures over them: their own
// that only they may write, and another owner's that their group may write. Each keeps its mode and
// group. The superuser tries it as the user nobody.
TEST_F(PrinterGraphicsTest, AnOrdinaryUserPrintsOverTheFilesTheyMayWrite) {
  const bool superuser = geteuid() == 0;
  const uid_t user = superuser ? 65534 : geteuid();
  const gid_t group = superuser ? 65534 : getegid();
  ASSERT_EQ(chown(folder_.Path().c_str(), user, group), 0);
  for (auto [owner, mode] : {std::pair<uid_t, mode_t>{user, 0200}, {0, 0464}}) {
    if (owner != user && !superuser) continue;  // only the superuser gives files away
    const std::string path = folder_.File("job" + std::to_string(jobs_ + 1) + ".pdf");
    std::ofstream(path) << "an earlier document";
    ASSERT_EQ(chown(path.c_str(), owner, group), 0);
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(!superuser || (setegid(group) == 0 && seteuid(user) == 0));
    Print([](platform::Graphics& g) { g.DrawString("Eleven factors", 0, 40); });
    ASSERT_TRUE(!superuser || (seteuid(0) == 0 && setegid(0) == 0));
    struct stat printed {};
    ASSERT_EQ(stat(path.c_str(), &printed), 0);
    EXPECT_EQ(printed.st_mode & 07777, mode);
    EXPECT_EQ(printed.st_gid, group);
    EXPECT_EQ(testing_support::PdfText(path), "Eleven factors\n\f");
  }
  EXPECT_EQ(ui_->messages, std::vector<std::string>{});
}

// Only the chosen pages reach the paper, each just as it prints in the whole job, whether the
// range starts at the first page or later, or runs past the last. A range that holds no page of
// the job prints nothing, says what the job had, and leaves the earlier file alone.
TEST_F(PrinterGraphicsTest, OnlyTheChosenPagesArePrinted) {
  auto fourPages = [](platform::Graphics& g) {
    const char* names[] = {"One", "Two", "Three", "Four"};
    for (int page = 0; page < 4; ++page) {
      if (page > 0) g.NextPage();
      g.FillRect(40 * page, 100, 30, 30);
      g.DrawString(names[page], 40 * page, 40);
    }
  };
  auto pages = [](int32_t first, int32_t last) {
    return [=](PrinterSetup& setup) { setup.PrintPages(first, last); };
  };
  const std::string whole = Print(fourPages);
  const std::string middle = Print(fourPages, PrinterSetup::Paper::kLetter, pages(2, 3));
  EXPECT_EQ(testing_support::PdfText(middle), "Two\n\fThree\n\f");
  auto printed = RenderPdfPage(middle, 1);
  auto expected = RenderPdfPage(whole, 2);
  ASSERT_TRUE(printed && expected);
  for (int32_t y = 0; y < printed->Height(); y += 2) {
    for (int32_t x = 0; x < printed->Width(); x += 2) {
      ASSERT_EQ(printed->PixelColor(x, y), expected->PixelColor(x, y)) << x << ", " << y;
    }
  }
  EXPECT_EQ(testing_support::PdfText(Print(fourPages, PrinterSetup::Paper::kLetter, pages(1, 1))),
            "One\n\f");
  EXPECT_EQ(testing_support::PdfText(Print(fourPages, PrinterSetup::Paper::kLetter, pages(4, 9))),
            "Four\n\f");
  EXPECT_EQ(ui_->messages, std::vector<std::string>{});

  const std::string earlier = folder_.File("job" + std::to_string(jobs_ + 1) + ".pdf");
  std::ofstream(earlier) << "a good earlier document";
  Print(fourPages, PrinterSetup::Paper::kLetter, pages(5, 6));
  Print([](platform::Graphics& g) { g.DrawString("Alone", 0, 40); }, PrinterSetup::Paper::kLetter,
        pages(2, 2));
  EXPECT_EQ(ui_->messages,
            (std::vector<std::string>{
                "Nothing was printed: pages 5 to 6 were chosen, but the document has 4 pages.",
                "Nothing was printed: page 2 was chosen, but the document has 1 page."}));
  std::ifstream in(earlier, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a good earlier document");
  EXPECT_FALSE(std::filesystem::exists(folder_.File("job" + std::to_string(jobs_) + ".pdf")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 5);
}

// In gray every colour comes out as a shade of gray: shapes, text and pictures alike.
TEST_F(PrinterGraphicsTest, GrayscalePrintsEveryColourAsAShadeOfGray) {
  auto picture = platform::NewPicture(40, 40, 32);
  picture->Graphics().SetForeColor(platform::RGB(0, 160, 40));
  picture->Graphics().FillOval(0, 0, 40, 40);
  auto colourful = [&](platform::Graphics& g) {
    g.SetForeColor(platform::RGB(0, 0, 255));
    g.FillRect(10, 10, 200, 40);
    g.SetForeColor(platform::RGB(220, 0, 0));
    g.SetTextSize(30);
    g.DrawString("Factors", 10, 100);
    g.DrawPicture(picture, 10, 120);
  };
  const auto colourPage = RenderPdfPage(Print(colourful), 1);
  const auto grayPage = RenderPdfPage(Print(colourful, PrinterSetup::Paper::kLetter,
                                            [](PrinterSetup& setup) { setup.PrintInGrayscale(); }),
                                      1);
  ASSERT_TRUE(colourPage && grayPage);
  const testing_support::PageInk colour = testing_support::InkOn(*colourPage);
  EXPECT_GT(colour.coloured, 8000);
  const testing_support::PageInk gray = testing_support::InkOn(*grayPage);
  EXPECT_EQ(gray.coloured, 0);
  EXPECT_EQ(gray.marked, colour.marked);
}

// A printer that cannot be found, say one taken away since the dialog listed it, prints nothing
// and says so by its name.
TEST_F(PrinterGraphicsTest, APrinterThatCannotBeFoundSaysSo) {
  ui_->QueuePrinter([](PrinterSetup& setup) { setup.PrintOn("Nowhere"); });
  EXPECT_EQ(platform::OpenPrinterDialog(), nullptr);
  EXPECT_EQ(ui_->messages, std::vector<std::string>{
                               "Could not print: the printer \"Nowhere\" cannot be reached."});
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
