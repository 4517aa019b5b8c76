#include "platform/graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
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
using platform::Graphics;
using platform::RGB;

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

// The pixels a drawing leaves on a new white 40 x 30 picture, drawn with a square pen.
template <class Draw>
PixelSet InkOf(Draw draw, int32_t pen = 1) {
  auto picture = platform::NewPicture(40, 30, 32);
  picture->Graphics().SetPenWidth(pen);
  picture->Graphics().SetPenHeight(pen);
  draw(picture->Graphics());
  return Inked(*picture);
}

PixelSet Box(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  PixelSet box;
  for (int32_t y = top; y <= bottom; ++y) {
    for (int32_t x = left; x <= right; ++x) box.insert({x, y});
  }
  return box;
}

PixelSet Without(PixelSet pixels, const PixelSet& removed) {
  for (const auto& pixel : removed) pixels.erase(pixel);
  return pixels;
}

struct Extent {
  int32_t left, top, right, bottom;
  bool operator==(const Extent&) const = default;
};

Extent ExtentOf(const PixelSet& pixels) {
  Extent extent{kMaxInt, kMaxInt, kMinInt, kMinInt};
  for (const auto& [x, y] : pixels) {
    extent = {std::min(extent.left, x), std::min(extent.top, y), std::max(extent.right, x),
              std::max(extent.bottom, y)};
  }
  return extent;
}

// Both end points are covered and the pixels do not depend on the order of the ends: the minor
// coordinate is rounded to the nearest pixel, halves toward the larger one.
TEST(GraphicsTest, LinesCoverTheirEndsWhicheverWayTheyAreDrawn) {
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(3, 4, 9, 4); }), Box(3, 4, 9, 4));
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(4, 6, 4, 6); }), Box(4, 6, 4, 6));
  PixelSet diagonal;
  for (int32_t i = 0; i <= 10; ++i) diagonal.insert({20 + i, 20 - i});
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(20, 20, 30, 10); }), diagonal);

  const PixelSet rising = {{0, 1}, {1, 1}, {2, 1}, {3, 0}, {4, 0}};
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(0, 1, 4, 0); }), rising);
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(4, 0, 0, 1); }), rising);
  const PixelSet falling = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}};
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(4, 1, 0, 0); }), falling);
  PixelSet shallow = InkOf([](Graphics& g) { g.DrawLine(2, 5, 33, 12); });
  EXPECT_EQ(shallow, InkOf([](Graphics& g) { g.DrawLine(33, 12, 2, 5); }));
  EXPECT_EQ(shallow.size(), 32u);
}

TEST(GraphicsTest, PenHangsRightAndBelowAndKeepsItsSettings) {
  auto picture = platform::NewPicture(40, 30, 32);
  Graphics& context = picture->Graphics();
  EXPECT_EQ(&context, &picture->Graphics());
  EXPECT_EQ(context.TextFont(), "System");
  context.SetForeColor(kRed);
  context.SetPenWidth(2);
  picture->Graphics().DrawLine(0, 0, 0, 0);
  EXPECT_EQ(Inked(*picture), Box(0, 0, 1, 0));
  EXPECT_EQ(picture->PixelColor(1, 0), kRed);

  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(5, 5, 8, 5); }, 2), Box(5, 5, 9, 6));
  EXPECT_TRUE(InkOf([](Graphics& g) { g.DrawLine(1, 1, 8, 8); }, 0).empty());
  EXPECT_TRUE(InkOf([](Graphics& g) { g.DrawRect(1, 1, 8, 8); }, 0).empty());
}

TEST(GraphicsTest, RectanglesAndOvalsCoverExactlyTheirBoxes) {
  EXPECT_EQ(InkOf([](Graphics& g) { g.FillRect(2, 3, 4, 5); }), Box(2, 3, 5, 7));
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawRect(2, 3, 6, 5); }),
            Without(Box(2, 3, 7, 7), Box(3, 4, 6, 6)));
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawRect(2, 3, 8, 8); }, 2),
            Without(Box(2, 3, 9, 10), Box(4, 5, 7, 8)));
  // Too small for two bands of the pen: solid.
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawRect(2, 3, 3, 3); }, 2), Box(2, 3, 4, 5));

  // A disc of radius r is centred on pixel (x + r, y + r); for r = 1 its corners count too.
  EXPECT_EQ(InkOf([](Graphics& g) { g.FillOval(9, 9, 3, 3); }), Box(9, 9, 11, 11));
  EXPECT_EQ(InkOf([](Graphics& g) { g.FillOval(4, 4, 1, 1); }), Box(4, 4, 4, 4));
  PixelSet disc = Box(8, 9, 12, 11);  // rows of 3, 5, 5, 5 and 3 pixels
  for (const auto& p : Box(9, 8, 11, 8)) disc.insert(p);
  for (const auto& p : Box(9, 12, 11, 12)) disc.insert(p);
  EXPECT_EQ(InkOf([](Graphics& g) { g.FillOval(8, 8, 5, 5); }), disc);
  PixelSet ellipse = InkOf([](Graphics& g) { g.FillOval(5, 5, 21, 9); });
  EXPECT_EQ(ExtentOf(ellipse), (Extent{5, 5, 25, 13}));
  EXPECT_FALSE(ellipse.count({5, 5}));
  EXPECT_TRUE(ellipse.count({15, 5}));
}

TEST(GraphicsTest, EmptyBoxesAndEmptyPicturesDrawNothing) {
  EXPECT_TRUE(InkOf([](Graphics& g) {
                g.FillRect(5, 5, 0, 4);
                g.FillRect(5, 5, -3, 4);
                g.DrawRect(5, 5, 4, -1);
                g.FillOval(5, 5, -1, -1);
                g.FillOval(5, 5, 0, 3);
              }).empty());

  auto empty = platform::NewPicture(0, 0, 32);
  Graphics& nothing = empty->Graphics();
  nothing.DrawLine(0, 0, 10, 10);
  nothing.FillRect(0, 0, 10, 10);
  nothing.DrawRect(0, 0, 10, 10);
  nothing.FillOval(0, 0, 10, 10);
  nothing.DrawString("text", 0, 10);
  nothing.DrawPicture(platform::NewPicture(4, 4, 32), 0, 0);
  EXPECT_EQ(empty->Width(), 0);
  EXPECT_GT(nothing.StringWidth("text"), 0.0);
}

TEST(GraphicsTest, FarCoordinatesAreClippedNotWrapped) {
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(kMinInt, 7, kMaxInt, 7); }), Box(0, 7, 39, 7));
  EXPECT_EQ(InkOf([](Graphics& g) { g.DrawLine(12, kMinInt, 12, kMaxInt); }), Box(12, 0, 12, 29));
  EXPECT_EQ(InkOf([](Graphics& g) { g.FillRect(35, 28, kMaxInt, kMaxInt); }), Box(35, 28, 39, 29));
  EXPECT_EQ(InkOf([](Graphics& g) { g.FillRect(-5, -5, kMaxInt, kMaxInt); }).size(), 40u * 30u);
  EXPECT_EQ(InkOf([](Graphics& g) {
              g.FillOval(20 - 1000000000, 15 - 1000000000, 2000000001, 2000000001);
            }).size(),
            40u * 30u);
  EXPECT_TRUE(InkOf([](Graphics& g) {
                g.DrawLine(kMinInt, kMinInt, kMinInt + 5, kMaxInt);
                g.DrawLine(kMaxInt, kMaxInt, kMaxInt, kMaxInt);
                g.FillRect(kMaxInt, kMaxInt, kMaxInt, kMaxInt);
                g.FillRect(kMinInt, kMinInt, kMaxInt, kMaxInt);  // ends at -2
                g.DrawRect(kMinInt, 0, kMaxInt, 10);
                g.FillOval(kMinInt, kMinInt, 3, 3);
                g.DrawString("far", kMinInt, kMaxInt);
                g.DrawString("far", kMinInt, 10);
                g.DrawString("far", kMaxInt, 10);
              }).empty());
}

TEST(GraphicsTest, TextSitsOnItsBaselineAtItsSize) {
  auto picture = platform::NewPicture(40, 30, 32);
  Graphics& g = picture->Graphics();
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
  EXPECT_TRUE(std::any_of(ink.begin(), ink.end(),
                          [&](auto p) { return picture->PixelColor(p.first, p.second) == kRed; }));

  g.SetTextSize(10.0);
  double ten = g.StringWidth("12345");
  g.SetTextSize(20.0);
  EXPECT_GT(g.StringWidth("12345"), ten * 1.5);
  g.SetTextSize(0.0);  // the default, 12
  double byDefault = g.StringWidth("12345");
  g.SetTextSize(12.0);
  EXPECT_EQ(byDefault, g.StringWidth("12345"));
  EXPECT_EQ(g.StringWidth(""), 0.0);
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
  PixelSet expected = Box(10, 5, 13, 7);
  for (const auto& p : Box(0, 28, 2, 29)) expected.insert(p);
  for (const auto& p : Box(20, 20, 23, 23)) expected.insert(p);
  for (const auto& p : Box(32, 10, 33, 11)) expected.insert(p);
  EXPECT_EQ(Inked(*picture), expected);
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
  Extent extent = ExtentOf(Inked(*canvas));
  canvas->Graphics().SetTextSize(12.0);
  int32_t height = extent.bottom - extent.top + 1;
  EXPECT_GT(height, 2 * (extent.right - extent.left + 1));  // reads along the vertical
  EXPECT_NEAR(height, canvas->Graphics().StringWidth("Eigenvalue"), 3.0);
  EXPECT_NEAR((extent.top + extent.bottom) / 2.0, 60.0, 2.0);
  // Turned counter-clockwise, reading upwards, the glyphs stand left of the baseline at x = 30.
  EXPECT_LT(extent.left, 30);
  EXPECT_LE(extent.right, 30 + 4);

  EXPECT_THROW(canvas->Graphics().DrawObject(nullptr, 0, 0), platform::NilObjectException);
}

}  // namespace
