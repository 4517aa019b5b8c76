#include "platform/text_area/styled_text_printer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/picture.h"
#include "platform/text_area/text_area.h"

namespace {

using platform::Picture;
using platform::StyledTextPrinter;
using platform::TextArea;

// The runs of consecutive rows holding ink between `top` and `bottom`, from column `left` on, each
// as its first and last row: one run per line of text without descenders.
std::vector<std::pair<int32_t, int32_t>> InkedRowRuns(const Picture& picture, int32_t top,
                                                      int32_t bottom, int32_t left = 0) {
  std::vector<std::pair<int32_t, int32_t>> runs;
  bool inRun = false;
  for (int32_t y = top; y < bottom; ++y) {
    bool inked = false;
    for (int32_t x = left; x < picture.Width() && !inked; ++x) {
      const platform::Color pixel = picture.PixelColor(x, y);
      inked = pixel.Red() + pixel.Green() + pixel.Blue() < 3 * 160;
    }
    if (inked && !inRun) runs.push_back({y, y});
    if (inked) runs.back().second = y;
    inRun = inked;
  }
  return runs;
}

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

// Block heights that are no whole number of lines, so that some cut would fall through a line's
// capitals: every line prints as tall as the others.
TEST_F(StyledTextPrinterTest, EveryLineLandsWholeInOneBlockAndTheBlocksGoOnWhereTheLastEnded) {
  area_->SetText(NumberedLines(30));
  constexpr int32_t kPitch = 60;
  for (int32_t height : {41, 44, 47, 50, 53}) {
    SCOPED_TRACE(height);
    page_ = platform::NewPicture(540, 1200, 32);
    const int blocks = DrawAllBlocks(*PrinterFor(540), height, kPitch);
    EXPECT_GT(blocks, 5);
    EXPECT_LT(blocks, 20);
    std::vector<int32_t> lineHeights;
    for (int block = 0; block < blocks; ++block) {
      const int32_t top = block * kPitch;
      EXPECT_EQ(InkedRowRuns(*page_, top + height, top + kPitch).size(), 0u) << "spilled over";
      for (const auto& [first, last] : InkedRowRuns(*page_, top, top + height)) {
        lineHeights.push_back(last - first);
      }
    }
    ASSERT_FALSE(lineHeights.empty());
    EXPECT_EQ(lineHeights, std::vector<int32_t>(30, lineHeights.front()))
        << "a line was cut, repeated or left out";
  }
}

TEST_F(StyledTextPrinterTest, ALongLineWrapsAtTheWidthAsTheAreaWrapsIt) {
  area_->SetText("ALPHA BRAVO CHARLIE DELTA ECHO FOXTROT GOLF HOTEL INDIA JULIET KILO LIMA");
  EXPECT_EQ(DrawAllBlocks(*PrinterFor(150), 720, 0), 1);
  EXPECT_GE(InkedRowRuns(*page_, 0, 720).size(), 3u);
  EXPECT_NE(InkedRowRuns(*page_, 0, 720, 100).size(), 0u);
  EXPECT_EQ(InkedRowRuns(*page_, 0, 720, 151).size(), 0u);
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
  EXPECT_EQ(InkedRowRuns(*page_, 0, page_->Height()).size(), 0u);
}

// The printer works on a copy: what the area holds afterwards does not change what it prints. That
// the area keeps its selection and styles is checked where whole texts are printed.
TEST_F(StyledTextPrinterTest, PrintsTheTextAsItWasWhenMade) {
  area_->SetText(NumberedLines(3));
  auto printer = PrinterFor(540);
  area_->SetText("");
  printer->DrawBlock(0, 0, 720);
  EXPECT_EQ(InkedRowRuns(*page_, 0, 720).size(), 3u);
}

TEST_F(StyledTextPrinterTest, ANilDrawingContextIsTheNilObjectException) {
  EXPECT_THROW(area_->styledTextPrinter(nullptr, 540), platform::NilObjectException);
}

}  // namespace
