#include "platform/styled_text_printer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/graphics.h"
#include "platform/picture.h"
#include "platform/text_area.h"

namespace {

using platform::Picture;
using platform::StyledTextPrinter;
using platform::TextArea;

// The runs of consecutive rows holding ink between `top` and `bottom`, each as its first and last
// row: one run per line of text without descenders.
std::vector<std::pair<int32_t, int32_t>> InkedRowRuns(const Picture& picture, int32_t top,
                                                      int32_t bottom) {
  std::vector<std::pair<int32_t, int32_t>> runs;
  bool inRun = false;
  for (int32_t y = top; y < bottom; ++y) {
    bool inked = false;
    for (int32_t x = 0; x < picture.Width() && !inked; ++x) {
      const platform::Color pixel = picture.PixelColor(x, y);
      inked = pixel.Red() + pixel.Green() + pixel.Blue() < 3 * 160;
    }
    if (inked && !inRun) runs.push_back({y, y});
    if (inked) runs.back().second = y;
    inRun = inked;
  }
  return runs;
}

// The rightmost column holding ink, or -1.
int32_t RightmostInk(const Picture& picture) {
  int32_t rightmost = -1;
  for (int32_t y = 0; y < picture.Height(); ++y) {
    for (int32_t x = picture.Width() - 1; x > rightmost; --x) {
      const platform::Color pixel = picture.PixelColor(x, y);
      if (pixel.Red() + pixel.Green() + pixel.Blue() < 3 * 160) rightmost = x;
    }
  }
  return rightmost;
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

TEST_F(StyledTextPrinterTest, EveryLineLandsWholeInOneBlockAndTheBlocksGoOnWhereTheLastEnded) {
  area_->SetText(NumberedLines(30));
  auto printer = PrinterFor(540);
  constexpr int32_t kHeight = 47;  // not a whole number of lines
  constexpr int32_t kPitch = 60;
  const int blocks = DrawAllBlocks(*printer, kHeight, kPitch);
  EXPECT_TRUE(printer->Eof());
  EXPECT_GT(blocks, 5);
  EXPECT_LT(blocks, 30);
  size_t lines = 0;
  for (int block = 0; block < blocks; ++block) {
    SCOPED_TRACE(block);
    const int32_t top = block * kPitch;
    EXPECT_EQ(InkedRowRuns(*page_, top + kHeight, top + kPitch).size(), 0u) << "spilled over";
    const auto runs = InkedRowRuns(*page_, top, top + kHeight);
    EXPECT_GE(runs.size(), 1u);
    lines += runs.size();
  }
  EXPECT_EQ(lines, 30u) << "a line was cut, repeated or left out";
}

TEST_F(StyledTextPrinterTest, ALongLineWrapsAtTheWidthAsTheAreaWrapsIt) {
  area_->SetText("ALPHA BRAVO CHARLIE DELTA ECHO FOXTROT GOLF HOTEL INDIA JULIET KILO LIMA");
  auto printer = PrinterFor(150);
  printer->DrawBlock(0, 0, 720);
  EXPECT_TRUE(printer->Eof());
  EXPECT_GE(InkedRowRuns(*page_, 0, 720).size(), 3u);
  EXPECT_LE(RightmostInk(*page_), 150);
  EXPECT_GT(RightmostInk(*page_), 100);
}

TEST_F(StyledTextPrinterTest, ALineTallerThanTheBlockIsDrawnAloneSoThePrintingEnds) {
  area_->SetText(NumberedLines(4));
  auto printer = PrinterFor(540);
  EXPECT_EQ(DrawAllBlocks(*printer, 3, 20), 4);
  EXPECT_TRUE(printer->Eof());
}

TEST_F(StyledTextPrinterTest, AnEmptyTextIsAtItsEndAtOnceButALoneLineBreakIsTwoEmptyLines) {
  area_->SetText("");
  EXPECT_TRUE(PrinterFor(540)->Eof());
  area_->SetText("\r");
  auto printer = PrinterFor(540);
  EXPECT_FALSE(printer->Eof());
  printer->DrawBlock(0, 0, 720);
  EXPECT_TRUE(printer->Eof());
  EXPECT_EQ(InkedRowRuns(*page_, 0, page_->Height()).size(), 0u);
}

TEST_F(StyledTextPrinterTest, PrintsTheTextAsItWasWhenMadeAndLeavesTheAreaAsItWas) {
  area_->SetText(NumberedLines(3));
  area_->SetSelStart(1);
  area_->SetSelLength(3);
  area_->SetSelBold(true);
  auto printer = PrinterFor(540);
  area_->SetSelStart(9);
  area_->SetSelLength(4);
  printer->DrawBlock(0, 0, 720);
  EXPECT_EQ(InkedRowRuns(*page_, 0, 720).size(), 3u);
  EXPECT_EQ(area_->Text(), NumberedLines(3));
  EXPECT_EQ(area_->SelStart(), 9);
  EXPECT_EQ(area_->SelLength(), 4);
  area_->SetSelStart(1);
  area_->SetSelLength(3);
  EXPECT_TRUE(area_->SelBold());

  auto later = PrinterFor(540);
  area_->SetText("");
  later->DrawBlock(0, 800, 720);
  EXPECT_EQ(InkedRowRuns(*page_, 800, 1200).size(), 3u);
}

TEST_F(StyledTextPrinterTest, ANilDrawingContextIsTheNilObjectException) {
  EXPECT_THROW(area_->styledTextPrinter(nullptr, 540), platform::NilObjectException);
}

}  // namespace
