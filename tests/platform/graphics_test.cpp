#include "platform/graphics/graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/string_shape.h"
#include "support/picture_comparison.h"

namespace {

using platform::Color;
using platform::Graphics;
using platform::RGB;
using testing_support::Box;

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

PixelSet Inked(const platform::Picture& picture) {
  PixelSet inked;
  for (int32_t y = 0; y < picture.Height(); ++y) {
    for (int32_t x = 0; x < picture.Width(); ++x) {
      if (picture.PixelColor(x, y) != kWhite) inked.insert({x, y});
    }
  }
  return inked;
}

// The box around every pixel that is not white.
Box InkedBox(const platform::Picture& picture) {
  return testing_support::DarkBox(picture, 3 * 255 - 1);
}

// The pixels of the boxes, less those of the holes; both inclusive.
PixelSet Pixels(const std::vector<Box>& boxes, const std::vector<Box>& holes = {}) {
  PixelSet pixels;
  for (const Box& box : boxes) {
    for (int32_t y = box.top; y <= box.bottom; ++y) {
      for (int32_t x = box.left; x <= box.right; ++x) pixels.insert({x, y});
    }
  }
  for (const Box& hole : holes) {
    for (const auto& pixel : Pixels({hole})) pixels.erase(pixel);
  }
  return pixels;
}

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
  std::vector<Box> boxes, holes;  // the pixels it must cover, on a white 40 x 30 picture
};

// Lines cover both ends whichever way they are drawn, rounding the minor coordinate to the
// nearest pixel, halves toward the larger one; the pen hangs right of and below each pixel;
// frames keep inside their boxes and turn solid when too small for two bands; a disc of radius r
// is centred on pixel (x + r, y + r), its corners counting for r = 1; far coordinates are clipped,
// never wrapped.
const ShapeCase kShapes[] = {
    {kLine, 3, 4, 9, 4, 1, 1, {{3, 4, 9, 4}}},
    {kLine, 0, 1, 4, 0, 1, 1, {{0, 1, 2, 1}, {3, 0, 4, 0}}},
    {kLine, 4, 0, 0, 1, 1, 1, {{0, 1, 2, 1}, {3, 0, 4, 0}}},
    {kLine, 4, 1, 0, 0, 1, 1, {{0, 0, 1, 0}, {2, 1, 4, 1}}},
    {kLine, 0, 0, 0, 0, 2, 1, {{0, 0, 1, 0}}},
    {kLine, 5, 5, 8, 5, 2, 2, {{5, 5, 9, 6}}},
    {kLine, 1, 1, 8, 8, 0, 0, {}},
    {kDrawRect, 1, 1, 8, 8, 0, 0, {}},
    {kFillRect, 2, 3, 4, 5, 1, 1, {{2, 3, 5, 7}}},
    {kDrawRect, 2, 3, 6, 5, 1, 1, {{2, 3, 7, 7}}, {{3, 4, 6, 6}}},
    {kDrawRect, 2, 3, 8, 8, 2, 2, {{2, 3, 9, 10}}, {{4, 5, 7, 8}}},
    {kDrawRect, 2, 3, 3, 3, 2, 2, {{2, 3, 4, 5}}},
    {kFillOval, 9, 9, 3, 3, 1, 1, {{9, 9, 11, 11}}},
    {kFillOval, 4, 4, 1, 1, 1, 1, {{4, 4, 4, 4}}},
    {kFillOval, 8, 8, 5, 5, 1, 1, {{8, 9, 12, 11}, {9, 8, 11, 8}, {9, 12, 11, 12}}},
    {kFillRect, 5, 5, -3, 4, 1, 1, {}},
    {kDrawRect, 5, 5, 4, -1, 1, 1, {}},
    {kFillOval, 5, 5, 0, 3, 1, 1, {}},
    {kLine, kMinInt, 7, kMaxInt, 7, 1, 1, {{0, 7, 39, 7}}},
    {kLine, 12, kMinInt, 12, kMaxInt, 1, 1, {{12, 0, 12, 29}}},
    {kFillRect, 35, 28, kMaxInt, kMaxInt, 1, 1, {{35, 28, 39, 29}}},
    {kFillOval, 20 - kFar, 15 - kFar, 2 * kFar + 1, 2 * kFar + 1, 1, 1, {{0, 0, 39, 29}}},
    {kFillOval, 20 - kMaxInt / 2, 15 - kMaxInt / 2, kMaxInt, kMaxInt, 1, 1, {{0, 0, 39, 29}}},
    {kLine, kMinInt, kMinInt, kMinInt + 5, kMaxInt, 1, 1, {}},
    {kLine, kMaxInt, kMaxInt, kMaxInt, kMaxInt, 1, 1, {}},
    {kFillRect, kMinInt, kMinInt, kMaxInt, kMaxInt, 1, 1, {}},  // ends at -2
    {kDrawRect, kMinInt, 0, kMaxInt, 10, 1, 1, {}},
    {kFillOval, kMinInt, kMinInt, 3, 3, 1, 1, {}},
};

TEST(GraphicsTest, ShapesCoverExactlyTheirPixels) {
  for (const ShapeCase& s : kShapes) {
    auto picture = platform::NewPicture(40, 30, 32);
    Graphics& g = picture->Graphics();
    g.SetPenWidth(s.penWidth);
    g.SetPenHeight(s.penHeight);
    (g.*s.draw)(s.a, s.b, s.c, s.d);
    EXPECT_EQ(Inked(*picture), Pixels(s.boxes, s.holes))
        << "row " << &s - kShapes << ": " << s.a << ", " << s.b << ", " << s.c << ", " << s.d;
  }
  auto ellipse = platform::NewPicture(40, 30, 32);
  ellipse->Graphics().FillOval(5, 5, 21, 9);
  EXPECT_EQ(InkedBox(*ellipse), (Box{5, 5, 25, 13}));
  EXPECT_EQ(ellipse->PixelColor(5, 5), kWhite);
  EXPECT_NE(ellipse->PixelColor(15, 5), kWhite);
}

// The context is the picture's own, so its settings hold from one use to the next; text out of
// reach is skipped.
TEST(GraphicsTest, ThePicturesContextKeepsItsColourAndDrawingOutOfReachLeavesNothing) {
  auto picture = platform::NewPicture(40, 30, 32);
  picture->Graphics().SetForeColor(kRed);
  picture->Graphics().FillRect(0, 0, 1, 1);
  picture->Graphics().DrawString("far", kMinInt, kMaxInt);
  picture->Graphics().DrawString("far", kMinInt, 10);
  picture->Graphics().DrawString("far", kMaxInt, 10);
  EXPECT_EQ(Inked(*picture), Pixels({{0, 0, 0, 0}}));
  EXPECT_EQ(picture->PixelColor(0, 0), kRed);
}

TEST(GraphicsTest, TextSitsOnItsBaselineAtItsSize) {
  auto picture = platform::NewPicture(40, 30, 32);
  Graphics& g = picture->Graphics();
  g.SetTextSize(12.0);
  g.SetForeColor(kRed);
  g.DrawString("Hx", 5, 20);
  Box ink = InkedBox(*picture);
  EXPECT_GE(ink.left, 5);
  EXPECT_LE(ink.right, 5 + static_cast<int32_t>(g.StringWidth("Hx")) + 1);
  EXPECT_LE(ink.bottom, 20);  // no descenders
  EXPECT_GE(ink.top, 20 - 12);
  PixelSet inked = Inked(*picture);
  EXPECT_TRUE(std::any_of(inked.begin(), inked.end(),
                          [&](auto p) { return picture->PixelColor(p.first, p.second) == kRed; }));

  g.SetTextSize(10.0);
  double ten = g.StringWidth("12345");
  g.SetTextSize(20.0);
  EXPECT_GT(g.StringWidth("12345"), ten * 1.5);
  g.SetTextSize(0.0);  // the default, 12
  double byDefault = g.StringWidth("12345");
  g.SetTextSize(12.0);
  EXPECT_EQ(byDefault, g.StringWidth("12345"));
  g.SetTextFont("Courier");
  EXPECT_EQ(g.StringWidth("iiii"), g.StringWidth("MMMM"));
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
  EXPECT_EQ(Inked(*picture),
            Pixels({{10, 5, 13, 7}, {0, 28, 2, 29}, {20, 20, 23, 23}, {32, 10, 33, 11}}));
  for (auto [x, y] : {std::pair{10, 5}, {20, 20}, {21, 21}, {32, 10}, {33, 11}}) {
    EXPECT_EQ(picture->PixelColor(x, y), kBlue) << x << ", " << y;
  }
  for (auto [x, y] : {std::pair{13, 7}, {0, 28}, {22, 22}}) {
    EXPECT_EQ(picture->PixelColor(x, y), kRed) << x << ", " << y;
  }

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
  Box ink = InkedBox(*canvas);
  canvas->Graphics().SetTextSize(12.0);
  int32_t height = ink.bottom - ink.top + 1;
  EXPECT_GT(height, 2 * (ink.right - ink.left + 1));  // reads along the vertical
  EXPECT_NEAR(height, canvas->Graphics().StringWidth("Eigenvalue"), 3.0);
  EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 60.0, 2.0);
  // Turned counter-clockwise, reading upwards, the glyphs stand left of the baseline at x = 30.
  EXPECT_LT(ink.left, 30);
  EXPECT_LE(ink.right, 30 + 4);

  EXPECT_THROW(canvas->Graphics().DrawObject(nullptr, 0, 0), platform::NilObjectException);
}

}  // namespace
