#include "platform/graphics/graphics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/graphics/string_shape.h"
#include "support/snapshot.h"

namespace {

using platform::Color;
using platform::Graphics;
using platform::RGB;

constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

using Draw = void (Graphics::*)(int32_t, int32_t, int32_t, int32_t);
constexpr Draw kLine = &Graphics::DrawLine;
constexpr Draw kFillRect = &Graphics::FillRect;
constexpr Draw kDrawRect = &Graphics::DrawRect;
constexpr Draw kFillOval = &Graphics::FillOval;
constexpr int32_t kFar = 1000000000;

struct ShapeCase {
  Draw draw;
  int32_t a, b, c, d;  // as the call takes them
  int32_t penWidth, penHeight;
};

// Lines cover both ends whichever way they are drawn, rounding the minor coordinate to the
// nearest pixel, halves toward the larger one; the pen hangs right of and below each pixel;
// frames keep inside their boxes and turn solid when too small for two bands; a disc of radius r
// is centred on pixel (x + r, y + r), its corners counting for r = 1; far coordinates are clipped,
// never wrapped.
const ShapeCase kShapes[] = {
    {kLine, 3, 4, 9, 4, 1, 1},
    {kLine, 0, 1, 4, 0, 1, 1},
    {kLine, 4, 0, 0, 1, 1, 1},
    {kLine, 4, 1, 0, 0, 1, 1},
    {kLine, 0, 0, 0, 0, 2, 1},
    {kLine, 5, 5, 8, 5, 2, 2},
    {kLine, 1, 1, 8, 8, 0, 0},
    {kDrawRect, 1, 1, 8, 8, 0, 0},
    {kFillRect, 2, 3, 4, 5, 1, 1},
    {kDrawRect, 2, 3, 6, 5, 1, 1},
    {kDrawRect, 2, 3, 8, 8, 2, 2},
    {kDrawRect, 2, 3, 3, 3, 2, 2},
    {kFillOval, 9, 9, 3, 3, 1, 1},
    {kFillOval, 4, 4, 1, 1, 1, 1},
    {kFillOval, 8, 8, 5, 5, 1, 1},
    {kFillRect, 5, 5, -3, 4, 1, 1},
    {kDrawRect, 5, 5, 4, -1, 1, 1},
    {kFillOval, 5, 5, 0, 3, 1, 1},
    {kLine, kMinInt, 7, kMaxInt, 7, 1, 1},
    {kLine, 12, kMinInt, 12, kMaxInt, 1, 1},
    {kFillRect, 35, 28, kMaxInt, kMaxInt, 1, 1},
    {kFillOval, 20 - kFar, 15 - kFar, 2 * kFar + 1, 2 * kFar + 1, 1, 1},
    {kFillOval, 20 - kMaxInt / 2, 15 - kMaxInt / 2, kMaxInt, kMaxInt, 1, 1},
    {kLine, kMinInt, kMinInt, kMinInt + 5, kMaxInt, 1, 1},
    {kLine, kMaxInt, kMaxInt, kMaxInt, kMaxInt, 1, 1},
    {kFillRect, kMinInt, kMinInt, kMaxInt, kMaxInt, 1, 1},  // ends at -2
    {kDrawRect, kMinInt, 0, kMaxInt, 10, 1, 1},
    {kFillOval, kMinInt, kMinInt, 3, 3, 1, 1},
    {kFillOval, 5, 5, 21, 9, 1, 1},
};

// Each shape on its own 40 x 30 tile, the tiles side by side in rows of eight.
TEST(GraphicsTest, ShapesCoverExactlyTheirPixels) {
  constexpr int32_t kPerRow = 8;
  const auto count = static_cast<int32_t>(std::size(kShapes));
  auto sheet = platform::NewPicture(40 * kPerRow, 30 * ((count + kPerRow - 1) / kPerRow), 32);
  for (int32_t i = 0; i < count; ++i) {
    const ShapeCase& s = kShapes[i];
    auto tile = platform::NewPicture(40, 30, 32);
    Graphics& g = tile->Graphics();
    g.SetPenWidth(s.penWidth);
    g.SetPenHeight(s.penHeight);
    (g.*s.draw)(s.a, s.b, s.c, s.d);
    sheet->Graphics().DrawPicture(tile, 40 * (i % kPerRow), 30 * (i / kPerRow));
  }
  EXPECT_TRUE(testing_support::MatchesSnapshot(sheet, "graphics-shapes"));
}

// The context is the picture's own, so its settings hold from one use to the next; text out of
// reach is skipped; text sits on its baseline at its size, in its colour.
TEST(GraphicsTest, ThePicturesContextKeepsItsSettingsAndDrawsTextOnItsBaseline) {
  auto picture = platform::NewPicture(80, 30, 32);
  picture->Graphics().SetForeColor(kRed);
  picture->Graphics().FillRect(0, 0, 1, 1);
  picture->Graphics().DrawString("far", kMinInt, kMaxInt);
  picture->Graphics().DrawString("far", kMinInt, 10);
  picture->Graphics().DrawString("far", kMaxInt, 10);
  picture->Graphics().DrawString("Hx", 5, 20);  // at the default size, 12
  picture->Graphics().SetTextFont("Courier");
  picture->Graphics().SetTextSize(20.0);
  picture->Graphics().DrawString("Hx", 30, 24);
  EXPECT_TRUE(testing_support::MatchesSnapshot(picture, "graphics-text"));
}

TEST(GraphicsTest, PicturesAreCopiedPixelForPixelAndClipped) {
  auto stamp = platform::NewPicture(4, 3, 32);  // red, with a blue top-left pixel
  stamp->Graphics().SetForeColor(kRed);
  stamp->Graphics().FillRect(0, 0, 4, 3);
  stamp->Graphics().SetForeColor(kBlue);
  stamp->Graphics().FillRect(0, 0, 1, 1);

  auto picture = platform::NewPicture(40, 30, 32);
  Graphics& g = picture->Graphics();
  g.DrawPicture(stamp, 10, 5);
  g.DrawPicture(stamp, -1, 28);                     // hangs off the bottom-left corner
  g.DrawPicture(stamp, 20, 20, 4, 4, 0, 0, 2, 2);   // twice as large
  g.DrawPicture(stamp, 30, 10, 4, 2, -1, 0, 2, 1);  // source rectangle off the stamp's left
  g.DrawPicture(stamp, kMinInt, kMaxInt);
  EXPECT_TRUE(testing_support::MatchesSnapshot(picture, "graphics-pictures"));

  stamp->Graphics().DrawPicture(stamp, 1, 0);  // onto itself
  EXPECT_EQ(stamp->PixelColor(1, 0), kBlue);
  EXPECT_EQ(stamp->PixelColor(0, 0), kBlue);
  EXPECT_THROW(g.DrawPicture(nullptr, 0, 0), platform::NilObjectException);
  EXPECT_THROW(g.DrawPicture(nullptr, 0, 0, 1, 1, 0, 0, 1, 1), platform::NilObjectException);
}

TEST(GraphicsTest, TurnedTextIsCentredOnItsAnchor) {
  auto shape = std::make_shared<platform::StringShape>();
  shape->SetTextSize(12.0);
  shape->SetText("Eigenvalue");
  shape->SetRotation(-1.5707963267948966);
  auto canvas = platform::NewPicture(60, 120, 32);
  canvas->Graphics().DrawObject(shape, 30, 60);
  EXPECT_TRUE(testing_support::MatchesSnapshot(canvas, "graphics-turned-text"));
  EXPECT_THROW(canvas->Graphics().DrawObject(nullptr, 0, 0), platform::NilObjectException);
}

}  // namespace
