#include "platform/text_area/styled_text_printer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/text_area/text_area.h"
#include "support/snapshot.h"

namespace {

using platform::Picture;
using platform::StyledTextPrinter;
using platform::TextArea;

class StyledTextPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    area_->SetTextFont("Courier");
    area_->SetTextSize(10);
  }

  // A printer that draws on the page, a picture standing in for the printer's pages.
  std::shared_ptr<StyledTextPrinter> PrinterFor(int32_t width) {
    return area_->styledTextPrinter(std::shared_ptr<platform::Graphics>(page_, &page_->Graphics()),
                                    width);
  }

  // Draws blocks of `height` down the page, each `pitch` below the last, until the text ends;
  // returns how many it took (at most 50).
  int DrawAllBlocks(StyledTextPrinter& printer, int32_t height, int32_t pitch) {
    int blocks = 0;
    while (!printer.Eof() && blocks < 50) printer.DrawBlock(0, pitch * blocks++, height);
    return blocks;
  }

  std::shared_ptr<TextArea> area_ = std::make_shared<TextArea>();
  std::shared_ptr<Picture> page_ = platform::NewPicture(540, 1200, 32);
};

// Capitals and digits only, so that every line leaves a gap of white below it.
std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "LINE " + std::to_string(i) + (i < count ? "\r" : "");
  return text;
}

// Blocks of heights that are no whole number of lines, each drawn 60 pixels below the last: every
// line lands whole in one block, and each block goes on where the last ended. A long line wraps
// at the width.
TEST_F(StyledTextPrinterTest, EveryLineLandsWholeInOneBlockAndLongLinesWrapAtTheWidth) {
  area_->SetText(NumberedLines(12) +
                 "\rALPHA BRAVO CHARLIE DELTA ECHO FOXTROT GOLF HOTEL INDIA JULIET KILO LIMA");
  std::string heights;
  for (int32_t height : {41, 53}) {
    page_ = platform::NewPicture(540, 1200, 32);
    heights += std::to_string(DrawAllBlocks(*PrinterFor(150), height, 60)) + " ";
    EXPECT_TRUE(
        testing_support::MatchesSnapshot(page_, "printed-blocks-" + std::to_string(height)));
  }
  EXPECT_EQ(heights, "5 4 ");
}

// A line taller than the block is drawn alone, so the printing ends. An empty text is at its end
// at once, but a lone line break is two empty lines that take a block.
TEST_F(StyledTextPrinterTest, ThePrintingEndsWithTheTextWhateverTheBlockHeight) {
  area_->SetText(NumberedLines(4));
  EXPECT_EQ(DrawAllBlocks(*PrinterFor(540), 3, 20), 4);
  area_->SetText("");
  EXPECT_EQ(DrawAllBlocks(*PrinterFor(540), 720, 0), 0);
  area_->SetText("\r");
  page_ = platform::NewPicture(540, 1200, 32);
  EXPECT_EQ(DrawAllBlocks(*PrinterFor(540), 720, 0), 1);
  EXPECT_TRUE(testing_support::MatchesSnapshot(page_, "printed-blocks-empty"));
}

// The printer works on a copy: what the area holds afterwards does not change what it prints. That
// the area keeps its selection and styles is checked where whole texts are printed.
TEST_F(StyledTextPrinterTest, PrintsTheTextAsItWasWhenMade) {
  area_->SetText(NumberedLines(3));
  auto printer = PrinterFor(540);
  area_->SetText("");
  printer->DrawBlock(0, 0, 720);
  EXPECT_TRUE(testing_support::MatchesSnapshot(page_, "printed-as-made"));
}

TEST_F(StyledTextPrinterTest, ANilDrawingContextIsTheNilObjectException) {
  EXPECT_THROW(area_->styledTextPrinter(nullptr, 540), platform::NilObjectException);
}

}  // namespace
