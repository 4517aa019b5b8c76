#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/core/event_loop.h"
#include "platform/core/user_interaction.h"
#include "platform/graphics/graphics.h"
#include "platform/printing/printer_dialog.h"
#include "platform/testing/modal_box_simulation.h"
#include "platform/testing/modal_dialog_simulation.h"
#include "platform/testing/user_simulation.h"
#include "support/pdf_files.h"
#include "support/scratch_folder.h"

namespace {

using Names = std::set<std::string>;

// The desktop's own print dialog, answered from the event loop as a person would.
class QtPrintDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ResetQuitForTests();  // an earlier test's Quit would end the dialog's loop at once
    platform::SetUserInteraction(nullptr);
    CatchMessages();
  }

  // Answers every message box that comes up while the test runs and keeps its text, so that one
  // the test did not expect fails it instead of waiting for ever. A question is answered Yes.
  void CatchMessages() {
    catcher_ = platform::RunFromEventLoop(
        [this] {
          if (auto box = platform::FrontModalBox()) {
            messages_.push_back(box->text);
            if (!platform::PressModalBoxButton("OK")) platform::PressModalBoxButton("Yes");
          }
          CatchMessages();
        },
        5);
  }

  testing_support::ScratchFolder folder_;
  std::vector<std::string> messages_;
  std::shared_ptr<void> catcher_;
};

// Printing into a PDF file, the dialog offers what such a file takes: the file, the paper and its
// orientation, all pages or a range of them, colour or gray. A file holds one copy in the order
// drawn, on one side, with no print queue and a free area of its own, so copies, collation,
// reversal, odd or even pages, double-sided printing, margins and job options are not offered;
// nor is a list of pages, which a printer would pick from once more.
TEST_F(QtPrintDialogTest, ForAPdfFileItOffersOnlyWhatTakesEffect) {
  Names main;
  Names properties;
  auto pending = platform::RunFromEventLoop([&] {
    EXPECT_TRUE(platform::PressDialogButton("Options >>"));
    main = platform::FrontDialogChoices();
    auto inner = platform::RunFromEventLoop([&] {
      properties = platform::FrontDialogChoices();
      EXPECT_TRUE(platform::PressDialogButton("Cancel"));
    });
    EXPECT_TRUE(platform::PressDialogButton("Properties"));
    EXPECT_TRUE(platform::PressDialogButton("Cancel"));
  });
  EXPECT_EQ(platform::OpenPrinterDialog(), nullptr);
  EXPECT_EQ(messages_, std::vector<std::string>{});

  EXPECT_EQ(main, (Names{"Cancel", "Options <<", "Print", "color", "fileBrowser", "filename",
                         "grayscale", "noDuplex", "printAll", "printRange", "printers",
                         "properties", "tab Copies", "tab Options"}));
  EXPECT_EQ(properties, (Names{"Cancel", "OK", "landscape", "pageSizeCombo", "portrait", "tab Page",
                               "unitCombo"}));
}

// What the person picks reaches the file: pages 2 to 3 of four, in gray, and one copy.
TEST_F(QtPrintDialogTest, TheChosenPagesAndColourModeReachTheFile) {
  const std::string path = folder_.File("chosen.pdf");
  auto pending = platform::RunFromEventLoop([&] {
    EXPECT_TRUE(platform::PressDialogButton("Options >>"));
    EXPECT_TRUE(platform::SetDialogControl("filename", path));
    EXPECT_TRUE(platform::SetDialogControl("printRange", "on"));
    EXPECT_TRUE(platform::SetDialogControl("from", "2"));
    EXPECT_TRUE(platform::SetDialogControl("to", "3"));
    EXPECT_TRUE(platform::SetDialogControl("grayscale", "on"));
    EXPECT_FALSE(platform::SetDialogControl("copies", "2"));
    EXPECT_TRUE(platform::PressDialogButton("Print"));
  });
  std::shared_ptr<platform::Graphics> printer = platform::OpenPrinterDialog();
  ASSERT_NE(printer, nullptr);
  const char* names[] = {"One", "Two", "Three", "Four"};
  for (int page = 0; page < 4; ++page) {
    if (page > 0) printer->NextPage();
    printer->SetForeColor(platform::RGB(0, 0, 255));
    printer->FillRect(0, 60, 200, 40);
    printer->DrawString(names[page], 0, 40);
  }
  printer.reset();
  EXPECT_EQ(messages_, std::vector<std::string>{});
  EXPECT_EQ(testing_support::PdfText(path), "Two\n\fThree\n\f");
  const auto page = testing_support::RenderPdfPage(path, 1);
  ASSERT_TRUE(page);
  const testing_support::PageInk ink = testing_support::InkOn(*page);
  EXPECT_GT(ink.marked, 8000);
  EXPECT_EQ(ink.coloured, 0);
}

// A file the job would refuse is refused in the dialog, which stays open for another name: Qt's
// own check would wait for ever on a named pipe that nothing reads. Here something does, so that a
// dialog that lets the pipe through fails the test instead of waiting. A file that is there already
// is replaced only once the person has said Yes to the dialog's own question.
TEST_F(QtPrintDialogTest, ANamedPipeIsRefusedAndAFileThereAlreadyAskedAbout) {
  const std::string pipe = folder_.File("report.pdf");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const std::string earlier = folder_.File("earlier.pdf");
  std::ofstream(earlier) << "an earlier document";
  auto pending = platform::RunFromEventLoop([&] {
    EXPECT_TRUE(platform::SetDialogControl("filename", pipe));
    EXPECT_TRUE(platform::PressDialogButton("Print"));
    EXPECT_TRUE(platform::SetDialogControl("filename", earlier));
    EXPECT_TRUE(platform::PressDialogButton("Print"));
  });
  std::shared_ptr<platform::Graphics> printer = platform::OpenPrinterDialog();
  close(reader);
  ASSERT_NE(printer, nullptr);
  printer->DrawString("Eleven", 0, 40);
  printer.reset();
  EXPECT_EQ(messages_,
            (std::vector<std::string>{"Could not print: the file \"" + pipe +
                                          "\" could not be written: Is not a regular file.",
                                      earlier + " already exists.\nDo you want to overwrite it?"}));
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  EXPECT_EQ(testing_support::PdfText(earlier), "Eleven\n\f");
}

}  // namespace
