#include "plot/scree_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/module1.h"
#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/graphics.h"
#include "platform/picture.h"
#include "platform/text_functions.h"

namespace corvane {
namespace {

using platform::Color;
using platform::RGB;

constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kWhite = RGB(255, 255, 255);
constexpr int32_t kWidth = 600;
constexpr int32_t kHeight = 420;
constexpr int32_t kPlotTop = 20;
constexpr int32_t kPlotBottom = kHeight - 30;

int32_t Int32(double value) {
  return platform::RuntimeCvtReal64ToSInt32(value);
}

// A completed calculation as the main window leaves it: eigenvalues, the fitted line of every step
// given as slope and intercept, and the factor count.
struct Results {
  std::vector<double> eigenvalues;
  double slope;  // of the step the factor count names
  double intercept;
  int32_t factors;
};

void Store(const Results& results) {
  Module1::Initialize();
  const auto n = static_cast<int32_t>(results.eigenvalues.size());
  Module1::gN = n;
  Module1::gArray->Redim(n, 5);
  for (int32_t i = 1; i <= n; ++i) {
    (*Module1::gArray)(i, 1) = i;
    (*Module1::gArray)(i, 2) = results.eigenvalues[i - 1];
  }
  if (results.factors >= 1) {
    (*Module1::gArray)(results.factors, 4) = results.slope;
    (*Module1::gArray)(results.factors, 5) = results.intercept;
  }
  Module1::gCV = results.factors;
  Module1::dirty = "y";
}

// Where the plot puts a data point, by the line graph's rules: the left margin grows by the width
// of the top y label plus 10, the plot area keeps 20 pixels right and above and 30 below.
class PlotFrame {
 public:
  PlotFrame(double xMin, double xMax, double yMin, double yMax) : xMin_(xMin), yMin_(yMin) {
    auto probe = platform::NewPicture(1, 1, 32);
    probe->Graphics().SetTextSize(10);
    left_ = Int32(20 + probe->Graphics().StringWidth(platform::Format(yMax, "##")) + 10.0);
    xScale_ = (xMax - xMin) / (kWidth - left_ - 20);
    yScale_ = (yMax - yMin) / (kPlotBottom - kPlotTop);
  }

  int32_t Left() const { return left_; }
  int32_t X(double x) const { return Int32((x - Int32(xMin_)) / xScale_) + left_; }
  int32_t Y(double y) const { return kPlotBottom - Int32((y - Int32(yMin_)) / yScale_); }

 private:
  double xMin_, yMin_;
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

int32_t YLabels(const platform::Picture& plot, const PlotFrame& frame) {
  return InkGroups(plot, 0, 0, frame.Left() - 3, kHeight - 1, true);
}
// From just left of the first x label, which is centred on the y axis, clear of the y label 0.
int32_t XLabels(const platform::Picture& plot, const PlotFrame& frame) {
  return InkGroups(plot, frame.Left() - 4, kPlotBottom + 3, kWidth - 1, kHeight - 1, false);
}

const std::vector<double> kWorkedExample = {5.43, 3.11, 2.24, 1.89, 1.52, 1.29, .80, .46, .41, .37,
                                            .35,  .33,  .30,  .28,  .25,  .24,  .21, .20, .18, .15};

class ScreePlotTest : public ::testing::Test {
 protected:
  void TearDown() override { Module1::Initialize(); }
};

// The help text's example: 7 factors, the fit of eigenvalues 7 to 20 in black under the blue
// scree curve, every point inside 0..6 by 1..20, so nothing is widened.
TEST_F(ScreePlotTest, TheWorkedExampleShowsTheFittedLineUnderTheScreeCurve) {
  // The least-squares fit of eigenvalues 7..20 on their ordinals.
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (int32_t i = 7; i <= 20; ++i) {
    sx += i;
    sy += kWorkedExample[i - 1];
    sxx += i * i;
    sxy += i * kWorkedExample[i - 1];
  }
  const double slope = (14 * sxy - sx * sy) / (14 * sxx - sx * sx);
  const double intercept = (sy - slope * sx) / 14;
  Store({kWorkedExample, slope, intercept, 7});
  auto plot = DrawScreePlot(kWidth, kHeight);
  ASSERT_EQ(plot->Width(), kWidth);
  ASSERT_EQ(plot->Height(), kHeight);
  EXPECT_EQ(Module1::newlinecolor, 1);

  const PlotFrame frame(1, 20, 0, 6);
  EXPECT_NEAR(slope + intercept, 0.75, 0.02);
  EXPECT_NEAR(20 * slope + intercept, 0.10, 0.02);
  for (int32_t i = 1; i <= 20; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(plot->PixelColor(frame.X(i), frame.Y(kWorkedExample[i - 1])), kBlue);
  }
  // Away from the curve the line shows black: ordinals 1 to 6 lie well above it.
  for (int32_t i : {1, 2, 3, 4, 5}) {
    EXPECT_EQ(plot->PixelColor(frame.X(i), frame.Y(i * slope + intercept)), kBlack) << i;
  }
  EXPECT_EQ(YLabels(*plot, frame), 7) << "0 to 6";
  EXPECT_EQ(XLabels(*plot, frame), 20) << "1 to 20";
}

struct RangeCase {
  const char* name;
  Results results;
  double xMin, xMax, yMin, yMax;  // the drawn range
  int32_t yLabels;                // -1: too dense to count
  int32_t xLabels;
};

// The range is 1..n by 0..top, top being the first eigenvalue plus one, rounded; a fitted line
// that leaves it widens it, and the label counts stay.
const RangeCase kRangeCases[] = {
    {"first eigenvalue 0.4", {{0.4, 0.3, 0.2, 0.1}, -0.05, 0.8, 1}, 1, 4, 0, 1, 2, 4},
    {"no factors: the line lies along zero",
     {{2.6, 1.2, 0.9, 0.5, 0.2}, 0.0, 0.0, 0},
     1,
     5,
     0,
     4,
     5,
     5},
    {"the line leaves the range at both ends",
     {{2.2, 1.0, 0.6, 0.3, 0.1}, -1.5, 5.0, 1},
     1,
     5,
     -2.5,
     3.5,
     4,
     5},
};

TEST_F(ScreePlotTest, RangesLabelsAndTheLineFollowTheResults) {
  for (const RangeCase& c : kRangeCases) {
    SCOPED_TRACE(c.name);
    Store(c.results);
    auto plot = DrawScreePlot(kWidth, kHeight);
    const PlotFrame frame(c.xMin, c.xMax, c.yMin, c.yMax);
    const auto n = static_cast<int32_t>(c.results.eigenvalues.size());
    for (int32_t i = 1; i <= n; ++i) {
      EXPECT_EQ(plot->PixelColor(frame.X(i), frame.Y(c.results.eigenvalues[i - 1])), kBlue) << i;
    }
    // The line's ends, one pixel in from the end points so that the curve's discs stay clear.
    double first = c.results.factors ? c.results.slope + c.results.intercept : 0.0;
    double last = c.results.factors ? n * c.results.slope + c.results.intercept : 0.0;
    EXPECT_EQ(plot->PixelColor(frame.X(1), frame.Y(first) - 1), kBlack);
    EXPECT_EQ(plot->PixelColor(frame.X(n), frame.Y(last) - 1), kBlack);
    EXPECT_EQ(YLabels(*plot, frame), c.yLabels);
    EXPECT_EQ(XLabels(*plot, frame), c.xLabels);
  }
}

// 99 ordinals and 51 y labels are all drawn, however close together.
TEST_F(ScreePlotTest, NinetyNineVariablesAndAFirstEigenvalueOfFifty) {
  std::vector<double> eigenvalues;
  for (int32_t i = 1; i <= 99; ++i) eigenvalues.push_back(50.0 * std::exp(-0.1 * (i - 1)));
  Store({eigenvalues, -0.05, 10.0, 40});
  auto plot = DrawScreePlot(kWidth, kHeight);
  const PlotFrame frame(1, 99, 0, 51);
  EXPECT_EQ(plot->PixelColor(frame.X(1), frame.Y(50.0)), kBlue);
  EXPECT_EQ(plot->PixelColor(frame.X(99), frame.Y(eigenvalues[98])), kBlue);
  EXPECT_EQ(plot->PixelColor(frame.X(50), frame.Y(7.5) - 1), kBlack);
  // Overlapping labels leave one band of ink the height of the axis.
  EXPECT_EQ(YLabels(*plot, frame), 1);
  EXPECT_EQ(XLabels(*plot, frame), 1);
}

// After "No Eigenvalues." the count may name a row the array no longer has.
TEST_F(ScreePlotTest, AFactorCountBeyondTheRowsDrawsTheLineAlongZero) {
  Store({{0, 0, 0, 0, 0}, 0, 0, 0});
  Module1::gCV = 7;
  std::shared_ptr<platform::Picture> plot;
  ASSERT_NO_THROW(plot = DrawScreePlot(kWidth, kHeight));
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->Width(), kWidth);
}

}  // namespace
}  // namespace corvane
