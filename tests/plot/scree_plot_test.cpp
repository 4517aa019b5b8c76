#include "plot/scree_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/color.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/picture.h"
#include "platform/text/conversions.h"
#include "platform/text/text_functions.h"
#include "shared/module1.h"

namespace corvane {
namespace {

using platform::Color;
using platform::RGB;

constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr int32_t kWidth = 600;
constexpr int32_t kHeight = 420;
constexpr int32_t kPlotTop = 20;
constexpr int32_t kPlotBottom = kHeight - 30;

int32_t Int32(double value) {
  return platform::RuntimeCvtReal64ToSInt32(value);
}

// A completed calculation as the main window leaves it, and the plot expected of it: the range
// drawn is 1..n by yMin..yMax, whole numbers, with one label per mark on each axis unless they
// overlap into one band of ink.
struct PlotCase {
  const char* name;
  std::vector<double> eigenvalues;
  double slope, intercept;  // of the step the factor count names
  int32_t factors;          // may name a row the array does not have
  double yMin, yMax;
  int32_t yLabels, xLabels;
};

void Store(const PlotCase& c) {
  Module1::Initialize();
  const auto n = static_cast<int32_t>(c.eigenvalues.size());
  Module1::gN = n;
  Module1::gArray->Redim(n, 5);
  for (int32_t i = 1; i <= n; ++i) {
    (*Module1::gArray)(i, 1) = i;
    (*Module1::gArray)(i, 2) = c.eigenvalues[i - 1];
  }
  if (c.factors >= 1 && c.factors <= n) {
    (*Module1::gArray)(c.factors, 4) = c.slope;
    (*Module1::gArray)(c.factors, 5) = c.intercept;
  }
  Module1::gCV = c.factors;
  Module1::dirty = "y";
}

// Where the plot of ordinals 1..n puts a data point, by the line graph's rules: the left margin
// grows by the width of the top y label plus 10, the plot area keeps 20 pixels right and above and
// 30 below.
class PlotFrame {
 public:
  PlotFrame(int32_t n, double yMin, double yMax) : yMin_(yMin) {
    auto probe = platform::NewPicture(1, 1, 32);
    probe->Graphics().SetTextSize(10);
    left_ = Int32(20 + probe->Graphics().StringWidth(platform::Format(yMax, "##")) + 10.0);
    xScale_ = (n - 1.0) / (kWidth - left_ - 20);
    yScale_ = (yMax - yMin) / (kPlotBottom - kPlotTop);
  }

  int32_t Left() const { return left_; }
  int32_t X(int32_t ordinal) const { return Int32((ordinal - 1) / xScale_) + left_; }
  int32_t Y(double y) const { return kPlotBottom - Int32((y - yMin_) / yScale_); }

 private:
  double yMin_;
  int32_t left_ = 0;
  double xScale_ = 0.0, yScale_ = 0.0;
};

// The groups of dark rows (or columns) in a band of the picture, groups being at least three
// blank lines apart: one per value label, whose digits stand closer together than that.
int32_t InkGroups(const platform::Picture& picture, int32_t left, int32_t top, int32_t right,
                  int32_t bottom, bool alongRows) {
  int32_t groups = 0;
  int32_t blankLines = 3;
  for (int32_t line = alongRows ? top : left; line <= (alongRows ? bottom : right); ++line) {
    bool inked = false;
    for (int32_t across = alongRows ? left : top; across <= (alongRows ? right : bottom);
         ++across) {
      Color pixel = alongRows ? picture.PixelColor(across, line) : picture.PixelColor(line, across);
      inked |= pixel.Red() + pixel.Green() + pixel.Blue() < 3 * 160;
    }
    if (inked && blankLines >= 3) ++groups;
    blankLines = inked ? 0 : blankLines + 1;
  }
  return groups;
}

std::vector<double> Decaying(int32_t count, double first, double rate) {
  std::vector<double> values;
  for (int32_t i = 0; i < count; ++i) values.push_back(first * std::exp(-rate * i));
  return values;
}

// The top is the first eigenvalue plus one, rounded, and the bottom zero, unless a value drawn lies
// outside: the range then grows to the whole numbers beyond. The worked example is the help
// text's: 7 factors, the least-squares fit of eigenvalues 7 to 20.
// clang-format off
const PlotCase kPlotCases[] = {
    {"worked example", {5.43, 3.11, 2.24, 1.89, 1.52, 1.29, .80, .46, .41, .37, .35, .33, .30, .28,
                        .25, .24, .21, .20, .18, .15}, -0.033736, 0.779011, 7, 0, 6, 7, 20},
    {"first eigenvalue 0.4", {0.4, 0.3, 0.2, 0.1}, -0.05, 0.8, 1, 0, 1, 2, 4},
    {"no factors: the line lies along zero", {2.6, 1.2, 0.9, 0.5, 0.2}, 0, 0, 0, 0, 4, 5, 5},
    {"a count beyond the rows: along zero", {2.6, 1.2, 0.9, 0.5, 0.2}, 0, 0, 7, 0, 4, 5, 5},
    {"eigenvalues below zero", {3, 1, .5, -.2, -1.5}, -1.0, 3.6, 3, -2, 4, 7, 5},
    {"the line ends below zero", {2.6, 1.2, 0.9, 0.5, 0.2}, -0.6, 2.6, 1, -1, 4, 6, 5},
    {"the line starts above the top", {2.2, 1.0, 0.6, 0.3, 0.1}, -1.0, 5.5, 1, 0, 5, 6, 5},
    {"every value below zero", {-2, -2.5, -3}, -0.4, -1.2, 1, -3, 0, 4, 3},
    {"99 variables, first eigenvalue 50", Decaying(99, 50, 0.1), -0.05, 10.0, 40, 0, 51, 1, 1},
};
// clang-format on

// Blue discs on the eigenvalues over the black fitted line, inside the frame, and one label per
// mark on each axis.
TEST(ScreePlotTest, TheCurveTheLineAndTheLabelsFollowTheResults) {
  for (const PlotCase& c : kPlotCases) {
    SCOPED_TRACE(c.name);
    Store(c);
    auto plot = DrawScreePlot(kWidth, kHeight);
    ASSERT_EQ(plot->Width(), kWidth);
    ASSERT_EQ(plot->Height(), kHeight);
    const auto n = static_cast<int32_t>(c.eigenvalues.size());
    const PlotFrame frame(n, c.yMin, c.yMax);
    for (int32_t i = 1; i <= n; ++i) {
      EXPECT_EQ(plot->PixelColor(frame.X(i), frame.Y(c.eigenvalues[i - 1])), kBlue) << i;
    }
    // The line's ends, one pixel in from the end points so that the curve's discs stay clear.
    const bool fitted = c.factors >= 1 && c.factors <= n;
    double first = fitted ? c.slope + c.intercept : 0.0;
    double last = fitted ? n * c.slope + c.intercept : 0.0;
    EXPECT_EQ(plot->PixelColor(frame.X(1), frame.Y(first) - 1), kBlack);
    EXPECT_EQ(plot->PixelColor(frame.X(n), frame.Y(last) - 1), kBlack);
    // Above, right of and below the frame, clear of the labels.
    EXPECT_EQ(InkGroups(*plot, frame.Left(), 0, kWidth - 1, kPlotTop - 3, true), 0);
    EXPECT_EQ(InkGroups(*plot, kWidth - 17, 0, kWidth - 1, kPlotBottom, true), 0);
    EXPECT_EQ(InkGroups(*plot, frame.Left(), kPlotBottom + 3, kWidth - 1, kPlotBottom + 8, true),
              0);
    EXPECT_EQ(InkGroups(*plot, 0, 0, frame.Left() - 3, kHeight - 1, true), c.yLabels);
    // From just left of the first x label, centred on the y axis, clear of the y label 0.
    EXPECT_EQ(InkGroups(*plot, frame.Left() - 4, kPlotBottom + 3, kWidth - 1, kHeight - 1, false),
              c.xLabels);
  }
  Module1::Initialize();
}

}  // namespace
}  // namespace corvane
