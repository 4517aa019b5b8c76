#include "platform/graphics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <set>
#include <utility>

#include "platform/exceptions.h"
#include "platform/picture.h"
#include "platform/string_shape.h"

namespace {

using platform::Color;
using platform::RGB;

constexpr Color kWhite = RGB(255, 255, 255);
constexpr Color kRed = RGB(255, 0, 0);
constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

// Every pixel that is no longer white.
PixelSet Inked(const platform::Picture& picture) {
  PixelSet inked;
  for (int32_t y = 0; y < picture.Height(); ++y) {
    for (int32_t x = 0; x < picture.Width(); ++x) {
      if (picture.PixelColor(x, y) != kWhite) inked.insert({x, y});
    }
  }
  return inked;
}

PixelSet Box(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  PixelSet box;
  for (int32_t y = top; y <= bottom; ++y) {
    for (int32_t x = left; x <= right; ++x) box.insert({x, y});
  }
  return box;
}

struct Extent {
  int32_t left = std::numeric_limits<int32_t>::max();
  int32_t top = std::numeric_limits<int32_t>::max();
  int32_t right = std::numeric_limits<int32_t>::min();
  int32_t bottom = std::numeric_limits<int32_t>::min();
};

Extent ExtentOf(const PixelSet& pixels) {
  Extent extent;
  for (const auto& [x, y] : pixels) {
    extent.left = std::min(extent.left, x);
    extent.right = std::max(extent.right, x);
    extent.top = std::min(extent.top, y);
    extent.bottom = std::max(extent.bottom, y);
  }
  return extent;
}

class GraphicsTest : public ::testing::Test {
 protected:
  std::shared_ptr<platform::Picture> picture = platform::NewPicture(40, 30, 32);
  platform::Graphics& g = picture->Graphics();
};

TEST_F(GraphicsTest, ContextIsOneObjectThatKeepsItsSettings) {
  g.SetForeColor(kRed);
  g.SetPenWidth(2);
  EXPECT_EQ(&g, &picture->Graphics());
  picture->Graphics().DrawLine(0, 0, 0, 0);
  EXPECT_EQ(Inked(*picture), Box(0, 0, 1, 0));
  EXPECT_EQ(picture->PixelColor(1, 0), kRed);
  EXPECT_EQ(g.TextFont(), "System");
}

TEST_F(GraphicsTest, LinesCoverBothEndPointsWhicheverWayTheyAreDrawn) {
  g.DrawLine(3, 4, 9, 4);
  EXPECT_EQ(Inked(*picture), Box(3, 4, 9, 4));

  auto diagonal = platform::NewPicture(40, 30, 32);
  diagonal->Graphics().DrawLine(20, 20, 30, 10);
  PixelSet expected;
  for (int32_t i = 0; i <= 10; ++i) expected.insert({20 + i, 20 - i});
  EXPECT_EQ(Inked(*diagonal), expected);

  // A shallow slope, both ways round: the same pixels, one per column, ends included.
  auto forward = platform::NewPicture(40, 30, 32);
  auto backward = platform::NewPicture(40, 30, 32);
  forward->Graphics().DrawLine(2, 5, 33, 12);
  backward->Graphics().DrawLine(33, 12, 2, 5);
  PixelSet line = Inked(*forward);
  EXPECT_EQ(line, Inked(*backward));
  EXPECT_EQ(line.size(), 32u);
  EXPECT_TRUE(line.count({2, 5}));
  EXPECT_TRUE(line.count({33, 12}));

  auto dot = platform::NewPicture(10, 10, 32);
  dot->Graphics().DrawLine(4, 6, 4, 6);
  EXPECT_EQ(Inked(*dot), Box(4, 6, 4, 6));
}

TEST_F(GraphicsTest, WidePenHangsRightAndBelowTheLine) {
  g.SetPenWidth(2);
  g.SetPenHeight(2);
  g.DrawLine(5, 5, 8, 5);
  EXPECT_EQ(Inked(*picture), Box(5, 5, 9, 6));

  auto none = platform::NewPicture(10, 10, 32);
  none->Graphics().SetPenWidth(0);
  none->Graphics().DrawLine(1, 1, 8, 8);
  none->Graphics().DrawRect(1, 1, 8, 8);
  EXPECT_TRUE(Inked(*none).empty());
}

TEST_F(GraphicsTest, RectanglesCoverExactlyTheirBox) {
  g.FillRect(2, 3, 4, 5);
  EXPECT_EQ(Inked(*picture), Box(2, 3, 5, 7));

  auto outline = platform::NewPicture(40, 30, 32);
  outline->Graphics().DrawRect(2, 3, 6, 5);
  PixelSet frame = Box(2, 3, 7, 7);
  for (const auto& inside : Box(3, 4, 6, 6)) frame.erase(inside);
  EXPECT_EQ(Inked(*outline), frame);

  // The 2-pixel frame lies inside the same box, two pixels deep.
  auto heavy = platform::NewPicture(40, 30, 32);
  heavy->Graphics().SetPenWidth(2);
  heavy->Graphics().SetPenHeight(2);
  heavy->Graphics().DrawRect(2, 3, 10, 8);
  PixelSet band = Box(2, 3, 11, 10);
  for (const auto& inside : Box(4, 5, 9, 8)) band.erase(inside);
  EXPECT_EQ(Inked(*heavy), band);

  // A box too small for two pen bands is solid.
  auto small = platform::NewPicture(10, 10, 32);
  small->Graphics().SetPenWidth(2);
  small->Graphics().SetPenHeight(2);
  small->Graphics().DrawRect(1, 1, 3, 3);
  EXPECT_EQ(Inked(*small), Box(1, 1, 3, 3));
}

TEST_F(GraphicsTest, OvalsAreDiscsAroundTheirCentrePixel) {
  g.FillOval(9, 9, 3, 3);  // radius 1 around (10, 10): corners included
  EXPECT_EQ(Inked(*picture), Box(9, 9, 11, 11));

  auto point = platform::NewPicture(10, 10, 32);
  point->Graphics().FillOval(4, 4, 1, 1);
  EXPECT_EQ(Inked(*point), Box(4, 4, 4, 4));

  // Radius 2: rows of 3, 5, 5, 5, 3 pixels, symmetric about (10, 10).
  auto disc = platform::NewPicture(40, 30, 32);
  disc->Graphics().FillOval(8, 8, 5, 5);
  PixelSet expected = Box(8, 9, 12, 11);
  for (const auto& p : Box(9, 8, 11, 8)) expected.insert(p);
  for (const auto& p : Box(9, 12, 11, 12)) expected.insert(p);
  EXPECT_EQ(Inked(*disc), expected);

  // An ellipse stays inside its box and touches the middle of each side.
  auto ellipse = platform::NewPicture(40, 30, 32);
  ellipse->Graphics().FillOval(5, 5, 21, 9);
  PixelSet pixels = Inked(*ellipse);
  Extent extent = ExtentOf(pixels);
  EXPECT_EQ(extent.left, 5);
  EXPECT_EQ(extent.right, 25);
  EXPECT_EQ(extent.top, 5);
  EXPECT_EQ(extent.bottom, 13);
  EXPECT_FALSE(pixels.count({5, 5}));
  EXPECT_TRUE(pixels.count({15, 5}));
}

TEST_F(GraphicsTest, EmptyBoxesAndEmptyPicturesDrawNothing) {
  g.FillRect(5, 5, 0, 4);
  g.FillRect(5, 5, -3, 4);
  g.DrawRect(5, 5, 4, -1);
  g.FillOval(5, 5, -1, -1);  // the box of a disc of radius -1
  g.FillOval(5, 5, 0, 3);
  EXPECT_TRUE(Inked(*picture).empty());

  auto empty = platform::NewPicture(0, 0, 32);
  platform::Graphics& nothing = empty->Graphics();
  nothing.DrawLine(0, 0, 10, 10);
  nothing.FillRect(0, 0, 10, 10);
  nothing.DrawRect(0, 0, 10, 10);
  nothing.FillOval(0, 0, 10, 10);
  nothing.DrawString("text", 0, 10);
  nothing.DrawPicture(picture, 0, 0);
  EXPECT_EQ(empty->Width(), 0);
  EXPECT_GT(nothing.StringWidth("text"), 0.0);
}

TEST_F(GraphicsTest, FarCoordinatesAreClippedNotWrapped) {
  g.DrawLine(kMinInt, 7, kMaxInt, 7);
  EXPECT_EQ(Inked(*picture), Box(0, 7, 39, 7));

  // A steep line from far above to far below crosses the picture in one column.
  auto steep = platform::NewPicture(40, 30, 32);
  steep->Graphics().DrawLine(12, kMinInt, 12, kMaxInt);
  EXPECT_EQ(Inked(*steep), Box(12, 0, 12, 29));

  auto far = platform::NewPicture(40, 30, 32);
  platform::Graphics& fg = far->Graphics();
  fg.DrawLine(kMinInt, kMinInt, kMinInt + 5, kMaxInt);
  fg.DrawLine(kMaxInt, kMaxInt, kMaxInt, kMaxInt);
  fg.FillRect(kMaxInt, kMaxInt, kMaxInt, kMaxInt);
  fg.FillRect(kMinInt, kMinInt, kMaxInt, kMaxInt);  // ends at -2
  fg.DrawRect(kMinInt, 0, kMaxInt, 10);
  fg.FillOval(kMinInt, kMinInt, 3, 3);
  fg.DrawString("far", kMinInt, kMaxInt);
  fg.DrawString("far", kMaxInt, 10);
  EXPECT_TRUE(Inked(*far).empty());

  // A huge disc centred on the picture covers all of it.
  auto huge = platform::NewPicture(40, 30, 32);
  huge->Graphics().FillOval(20 - 1000000000, 15 - 1000000000, 2000000001, 2000000001);
  EXPECT_EQ(Inked(*huge).size(), 40u * 30u);

  auto filled = platform::NewPicture(40, 30, 32);
  filled->Graphics().FillRect(kMinInt, kMinInt, kMaxInt, kMaxInt);
  filled->Graphics().FillRect(-5, -5, kMaxInt, kMaxInt);
  EXPECT_EQ(Inked(*filled).size(), 40u * 30u);
}

TEST_F(GraphicsTest, TextSitsOnItsBaselineInTheForeColor) {
  g.SetTextSize(12.0);
  g.SetForeColor(kRed);
  g.DrawString("Hx", 5, 20);
  PixelSet ink = Inked(*picture);
  ASSERT_FALSE(ink.empty());
  Extent extent = ExtentOf(ink);
  EXPECT_GE(extent.left, 5);
  EXPECT_LE(extent.right, 5 + static_cast<int32_t>(g.StringWidth("Hx")) + 1);
  EXPECT_LE(extent.bottom, 20);  // no descenders
  EXPECT_GE(extent.top, 20 - 12);
  bool anyRed = false;
  for (const auto& [x, y] : ink) anyRed = anyRed || picture->PixelColor(x, y) == kRed;
  EXPECT_TRUE(anyRed);
}

TEST_F(GraphicsTest, StringWidthFollowsTheTextSize) {
  g.SetTextSize(10.0);
  double ten = g.StringWidth("12345");
  g.SetTextSize(20.0);
  double twenty = g.StringWidth("12345");
  EXPECT_GT(ten, 0.0);
  EXPECT_GT(twenty, ten * 1.5);
  EXPECT_EQ(g.StringWidth(""), 0.0);

  g.SetTextSize(0.0);
  double byDefault = g.StringWidth("12345");
  g.SetTextSize(12.0);
  EXPECT_EQ(byDefault, g.StringWidth("12345"));

  g.SetTextFont("Courier");
  EXPECT_EQ(g.StringWidth("iiii"), g.StringWidth("MMMM"));
}

TEST_F(GraphicsTest, PicturesAreCopiedPixelForPixel) {
  auto stamp = platform::NewPicture(4, 3, 32);
  stamp->Graphics().SetForeColor(kRed);
  stamp->Graphics().FillRect(0, 0, 4, 3);
  stamp->Graphics().SetForeColor(RGB(0, 0, 255));
  stamp->Graphics().FillRect(0, 0, 1, 1);

  g.DrawPicture(stamp, 10, 5);
  EXPECT_EQ(Inked(*picture), Box(10, 5, 13, 7));
  EXPECT_EQ(picture->PixelColor(10, 5), RGB(0, 0, 255));
  EXPECT_EQ(picture->PixelColor(13, 7), kRed);

  // Partly outside: only the part inside lands.
  auto edge = platform::NewPicture(40, 30, 32);
  edge->Graphics().DrawPicture(stamp, -1, 28);
  EXPECT_EQ(Inked(*edge), Box(0, 28, 2, 29));
  edge->Graphics().DrawPicture(stamp, kMinInt, kMaxInt);

  // Scaled twice as large from a source rectangle.
  auto scaled = platform::NewPicture(40, 30, 32);
  scaled->Graphics().DrawPicture(stamp, 2, 2, 4, 4, 0, 0, 2, 2);
  EXPECT_EQ(Inked(*scaled), Box(2, 2, 5, 5));
  EXPECT_EQ(scaled->PixelColor(3, 3), RGB(0, 0, 255));
  EXPECT_EQ(scaled->PixelColor(4, 4), kRed);

  // Onto itself.
  stamp->Graphics().DrawPicture(stamp, 1, 0);
  EXPECT_EQ(stamp->PixelColor(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(stamp->PixelColor(0, 0), RGB(0, 0, 255));

  EXPECT_THROW(g.DrawPicture(nullptr, 0, 0), platform::NilObjectException);
  EXPECT_THROW(g.DrawPicture(nullptr, 0, 0, 1, 1, 0, 0, 1, 1), platform::NilObjectException);
}

TEST_F(GraphicsTest, TurnedTextIsCentredOnItsAnchor) {
  auto canvas = platform::NewPicture(60, 120, 32);
  auto shape = std::make_shared<platform::StringShape>();
  shape->SetTextSize(12.0);
  shape->SetText("Eigenvalue");
  shape->SetRotation(-1.5707963267948966);
  canvas->Graphics().DrawObject(shape, 30, 60);
  Extent extent = ExtentOf(Inked(*canvas));

  canvas->Graphics().SetTextSize(12.0);
  double length = canvas->Graphics().StringWidth("Eigenvalue");
  int32_t height = extent.bottom - extent.top + 1;
  int32_t width = extent.right - extent.left + 1;
  EXPECT_GT(height, 2 * width);  // reads along the vertical
  EXPECT_NEAR(height, length, 3.0);
  EXPECT_NEAR((extent.top + extent.bottom) / 2.0, 60.0, 2.0);
  // Turned counter-clockwise the glyphs stand left of the baseline, which runs down x = 30.
  EXPECT_LT(extent.left, 30);
  EXPECT_LE(extent.right, 30 + 4);

  // The first letter reads at the bottom.
  auto capital = platform::NewPicture(60, 120, 32);
  shape->SetText("E.......");
  capital->Graphics().DrawObject(shape, 30, 60);
  Extent withCapital = ExtentOf(Inked(*capital));
  EXPECT_LT(withCapital.left, 30 - 6);
  int32_t lowestOfCapital = 0;
  for (const auto& [x, y] : Inked(*capital)) {
    if (x < 30 - 6) lowestOfCapital = std::max(lowestOfCapital, y);
  }
  EXPECT_GT(lowestOfCapital, 60);

  EXPECT_THROW(canvas->Graphics().DrawObject(nullptr, 0, 0), platform::NilObjectException);
}

}  // namespace
