#include "linegraph/gx_line_graph.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/background_task.h"
#include "platform/conversions.h"
#include "platform/exceptions.h"
#include "platform/graphics.h"
#include "platform/string_shape.h"
#include "platform/text_functions.h"
#include "platform/user_interaction.h"

namespace corvane {
namespace {

using platform::Color;
using platform::RGB;

// Every Double that becomes an Int32 goes through this one conversion. Sums of Int32 values are
// formed in Double first: exact for any realistic value, and saturating rather than overflowing
// when an offset came from an infinite scale.
int32_t Int32(double value) {
  return platform::RuntimeCvtReal64ToSInt32(value);
}

constexpr double kValueLabelSize = 10.0;
constexpr double kAxisTitleSize = 12.0;
constexpr double kPointLabelSize = 9.0;
constexpr Color kGridColor = RGB(107, 255, 255);
constexpr double kQuarterTurnBack = -1.5707963267948966;

// Labels from a mark count of billions (an absurd range typed by a user) would all land on the
// same few hundred pixels and keep the loop busy for hours. Past this many passes only an evenly
// spread selection of the marks is drawn, always including the first and the last.
constexpr int64_t kMostMarkPasses = 10000;

int64_t MarkStride(int32_t marks) {
  return marks < kMostMarkPasses
             ? 1
             : (static_cast<int64_t>(marks) + kMostMarkPasses - 1) / kMostMarkPasses;
}

// The passes 0..marks, thinned by MarkStride; none for a negative count.
std::vector<int32_t> MarkPasses(int32_t marks) {
  std::vector<int32_t> passes;
  int64_t stride = MarkStride(marks);
  for (int64_t i = 0; i <= marks; i += stride) passes.push_back(static_cast<int32_t>(i));
  if (marks >= 0 && passes.back() != marks) passes.push_back(marks);
  return passes;
}

// One legend entry at (ex, ey) of a legend picture: a framed swatch and the label beside it.
void DrawLegendEntry(platform::Graphics& g, int32_t ex, int32_t ey, const std::string& label,
                     Color seriesColor, Color frameColor) {
  g.SetForeColor(frameColor);
  g.DrawRect(ex, Int32(ey + 5.0), 15, 15);
  g.DrawString(label, Int32(ex + 20.0), Int32(ey + 17.0));
  g.SetForeColor(seriesColor);
  g.FillRect(Int32(ex + 1.0), Int32(ey + 6.0), 13, 13);
}

std::shared_ptr<platform::Picture> NewLegendPicture(int32_t width, int32_t height) {
  auto picture = platform::NewPicture(width, height, 32);
  platform::NotNil(picture).Graphics().SetTextSize(kValueLabelSize);
  return picture;
}

}  // namespace

GxLineGraph::GxLineGraph() {
  Constructor();
}

void GxLineGraph::Constructor() {
  leftSpace_ = 20;
  bottomSpace_ = 30;
  topSpace_ = 20;
  rightSpace_ = 20;
  SetGridLines(true, true);
  SetLegend(1);
  SetXMarks(-1);
  SetYMarks(-1);
  SetXRange(-1.0, -1.0);
  SetYRange(-1.0, -1.0);
  SetNumberFormats("#.00", "#.00");
  SetForeColor(RGB(0, 0, 0));
  SetBackColor(RGB(255, 255, 255));
  SetPointRadius(1);
}

void GxLineGraph::NewPoint(int32_t line, double x, double y) {
  myLines_(line)->PlotPoint(x, y);
  if (xMax_ == -1.0) {
    xMin_ = x;
    xMax_ = x;
  }
  if (yMax_ == -1.0) {
    yMin_ = y;
    yMax_ = y;
  }
  if (xMax_ < x) {
    xMax_ = x;
  } else if (x < xMin_) {
    xMin_ = x;
  }
  if (yMax_ < y) {
    yMax_ = y;
  } else if (y < yMin_) {
    yMin_ = y;
  }
}

// Nil for a graph that is not held by a shared pointer: its series then cannot reach it.
std::shared_ptr<GxLineGraph> GxLineGraph::Self() {
  return std::static_pointer_cast<GxLineGraph>(weak_from_this().lock());
}

int32_t GxLineGraph::NewLine(const std::string& label, Color color) {
  myLines_.Append(std::make_shared<GxLine>(Self(), color, label));
  return myLines_.Ubound();
}

int32_t GxLineGraph::NewLine(const std::string& label) {
  myLines_.Append(std::make_shared<GxLine>(Self(), label));
  return myLines_.Ubound();
}

std::shared_ptr<platform::Picture> GxLineGraph::DrawGraph(int32_t width, int32_t height) {
  w_ = width;
  h_ = height;
  graph_ = platform::NewPicture(w_, h_, 32);
  DrawBackground();
  if (labelAxes_) {
    leftSpace_ = Int32(leftSpace_ + 20.0);
    bottomSpace_ = Int32(bottomSpace_ + 20.0);
  }
  DrawLegend();
  graphWidth_ = Int32(static_cast<double>(w_) - leftSpace_ - rightSpace_);
  graphHeight_ = Int32(static_cast<double>(h_) - topSpace_ - bottomSpace_);
  if (xMarks_ == -1) SetXMarks(Int32(graphWidth_ / 30.0));
  // The y count comes from the plot's width too.
  if (yMarks_ == -1) SetYMarks(Int32(graphWidth_ / 20.0));
  xScale_ = (xMax_ - xMin_) / graphWidth_;
  yScale_ = (yMax_ - yMin_) / graphHeight_;
  DrawGrid();
  for (int32_t i = 0; i <= myLines_.Ubound(); ++i) {
    myLines_(i)->paint();
    platform::RuntimeBackgroundTask();
  }
  return graph_;
}

void GxLineGraph::SetGridLines(bool x, bool y) {
  xGrid_ = x;
  yGrid_ = y;
}

void GxLineGraph::SetXMarks(int32_t n) {
  xMarks_ = Int32(n - 1.0);
}

void GxLineGraph::SetYMarks(int32_t n) {
  yMarks_ = Int32(n - 1.0);
}

platform::Graphics& GxLineGraph::Canvas() {
  return platform::NotNil(graph_).Graphics();
}

void GxLineGraph::PlotPoint(Color color, int32_t x, int32_t y) {
  int32_t r = pointRadius_;
  if (r == 0) return;
  platform::Graphics& g = Canvas();
  int32_t sx = Int32(static_cast<double>(x) + leftSpace_);
  int32_t sy = Int32(static_cast<double>(topSpace_) + graphHeight_ - y);
  int32_t diameter = Int32(2.0 * r + 1.0);
  g.SetForeColor(color);
  g.FillOval(Int32(static_cast<double>(sx) - r), Int32(static_cast<double>(sy) - r), diameter,
             diameter);

  if (!labelXVals_ && !labelYVals_) return;
  std::string label;
  if (labelXVals_) label = platform::Format(platform::Round(xMin_ + x * xScale_), xNumberFormat_);
  if (labelYVals_) {
    if (labelXVals_) label += ",";
    label += platform::Format(platform::Round(yMin_ + y * yScale_), yNumberFormat_);
  }
  g.SetTextSize(kPointLabelSize);
  int32_t sw = Int32(g.StringWidth(label));
  int32_t baseline = Int32(sy + 4.0);
  if (static_cast<double>(sx) + r + 2 + sw < static_cast<double>(leftSpace_) + graphWidth_) {
    g.DrawString(label, Int32(static_cast<double>(sx) + r + 2), baseline);
  } else {
    g.DrawString(label, Int32(static_cast<double>(sx) - r - 2 - sw), baseline);
  }
}

void GxLineGraph::PlotLine(Color color, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  platform::Graphics& g = Canvas();
  g.SetForeColor(color);
  double bottom = static_cast<double>(topSpace_) + graphHeight_;
  g.DrawLine(Int32(static_cast<double>(x1) + leftSpace_), Int32(bottom - y1),
             Int32(static_cast<double>(x2) + leftSpace_), Int32(bottom - y2));
}

int32_t GxLineGraph::GetXMin() const {
  return Int32(xMin_);
}

int32_t GxLineGraph::GetYMin() const {
  return Int32(yMin_);
}

void GxLineGraph::SetPointRadius(int32_t radius) {
  pointRadius_ = radius;
}

void GxLineGraph::SetXRange(double min, double max) {
  xMin_ = min;
  xMax_ = max;
}

void GxLineGraph::SetYRange(double min, double max) {
  yMin_ = min;
  yMax_ = max;
}

void GxLineGraph::SetLabelAxes(bool on) {
  labelAxes_ = on;
}

void GxLineGraph::SetLabelXVals(bool on) {
  labelXVals_ = on;
}

void GxLineGraph::ResetGraph() {
  myLines_.Redim(-1);
}

void GxLineGraph::SetBackColor(Color color) {
  backGradient_ = false;
  backColor_ = color;
}

void GxLineGraph::SetForeColor(Color color) {
  foreColor_ = color;
}

void GxLineGraph::SetLabelYVals(bool on) {
  labelYVals_ = on;
}

void GxLineGraph::SetLegend(int32_t position) {
  legend_ = position;
}

void GxLineGraph::SetBackGradient(Color top, Color bottom, int32_t direction) {
  backGradient_ = true;
  gradientTop_ = top;
  gradientBottom_ = bottom;
  gradientDirection_ = direction;
}

void GxLineGraph::SetAxisLabels(const std::string& xTitle, const std::string& yTitle) {
  xLabel_ = xTitle;
  yLabel_ = yTitle;
}

void GxLineGraph::SetNumberFormats(const std::string& xFormat, const std::string& yFormat) {
  xNumberFormat_ = xFormat;
  yNumberFormat_ = yFormat;
}

void GxLineGraph::ShowVersion() {
  platform::MsgBox("LineGraph 1.0");
}

GxLineGraph::Geometry GxLineGraph::GetGeometry() const {
  return Geometry{xMin_,      xMax_,     yMin_,       yMax_,        xMarks_,     yMarks_,
                  leftSpace_, topSpace_, rightSpace_, bottomSpace_, graphWidth_, graphHeight_};
}

void GxLineGraph::DrawBackground() {
  platform::Graphics& g = Canvas();
  if (!backGradient_) {
    g.SetForeColor(backColor_);
    g.FillRect(0, 0, w_, h_);
    return;
  }
  int32_t n = 0;
  if (gradientDirection_ == 2 || gradientDirection_ == 4) n = w_;
  if (gradientDirection_ == 1 || gradientDirection_ == 3) n = h_;
  // Line k > 0 takes the colour of step k - 1, so lines 0 and 1 both carry the top colour and the
  // bottom colour itself is never reached.
  auto channel = [n](int32_t top, int32_t bottom, int32_t step) {
    double difference = static_cast<double>(bottom) - top;
    return Int32(bottom - difference * (static_cast<double>(n) - step) / n);
  };
  for (int32_t i = 0; i <= n; ++i) {
    if (i == 0) {
      g.SetForeColor(gradientTop_);
    } else {
      int32_t step = i - 1;
      g.SetForeColor(RGB(channel(gradientTop_.Red(), gradientBottom_.Red(), step),
                         channel(gradientTop_.Green(), gradientBottom_.Green(), step),
                         channel(gradientTop_.Blue(), gradientBottom_.Blue(), step)));
    }
    switch (gradientDirection_) {
      case 1:
        g.DrawLine(0, i, w_, i);
        break;
      case 2:
        g.DrawLine(Int32(static_cast<double>(w_) - i), 0, Int32(static_cast<double>(w_) - i), h_);
        break;
      case 3:
        g.DrawLine(0, Int32(static_cast<double>(h_) - i), w_, Int32(static_cast<double>(h_) - i));
        break;
      case 4:
        g.DrawLine(i, 0, i, h_);
        break;
      default:
        break;
    }
    platform::RuntimeBackgroundTask();
  }
}

void GxLineGraph::DrawLegend() {
  if (legend_ == 0) return;
  if (legend_ == 1 || legend_ == 3) {
    DrawRowLegend();
  } else {
    DrawColumnLegend();
  }
}

void GxLineGraph::DrawRowLegend() {
  int32_t rowWidth = Int32(static_cast<double>(w_) - leftSpace_ - rightSpace_ - 20);
  std::vector<std::shared_ptr<platform::Picture>> rows;
  rows.push_back(NewLegendPicture(rowWidth, 21));
  int32_t r = 0;
  int32_t x = 5;
  for (int32_t i = 0; i <= myLines_.Ubound(); ++i) {
    const GxLine& line = platform::NotNil(myLines_(i));
    std::string label = line.GetLabel();
    Color color = line.GetColor();
    int32_t sw = Int32(rows.back()->Graphics().StringWidth(label));
    if (rowWidth < static_cast<double>(x) + 15 + sw + 10) {
      x = 5;
      ++r;
      rows.push_back(NewLegendPicture(rowWidth, 25));
    }
    DrawLegendEntry(rows.back()->Graphics(), x, 0, label, color, foreColor_);
    x = Int32(static_cast<double>(x) + 15 + sw + 10);
    platform::RuntimeBackgroundTask();
  }

  int32_t legendHeight = Int32((r + 1.0) * 20.0 + 5.0);
  int32_t legendWidth = rowWidth;
  if (r == 0) {
    legendWidth = x;
    auto trimmed = NewLegendPicture(legendWidth, legendHeight);
    trimmed->Graphics().DrawPicture(rows[0], 0, 0);
    rows[0] = trimmed;
  }
  int32_t top = 0;
  if (legend_ == 1) {
    top = topSpace_;
    topSpace_ = Int32(static_cast<double>(topSpace_) + legendHeight + 10);
  } else {
    top = Int32(static_cast<double>(h_) - legendHeight - 10);
    bottomSpace_ = Int32(static_cast<double>(bottomSpace_) + legendHeight + 10);
  }

  platform::Graphics& g = Canvas();
  int32_t left = Int32(w_ / 2.0 - legendWidth / 2.0);
  g.SetForeColor(RGB(255, 255, 255));
  g.FillRect(Int32(w_ / 2.0 - legendWidth / 2.0 + 1.0), Int32(top + 1.0), Int32(legendWidth - 2.0),
             Int32(legendHeight - 2.0));
  for (int32_t k = 0; k <= r; ++k) {
    g.DrawPicture(rows[static_cast<size_t>(k)], left, Int32(top + 20.0 * k));
    platform::RuntimeBackgroundTask();
  }
  g.SetForeColor(foreColor_);
  g.DrawRect(left, top, legendWidth, legendHeight);
}

void GxLineGraph::DrawColumnLegend() {
  platform::Graphics& g = Canvas();
  g.SetTextSize(kValueLabelSize);
  int32_t legendWidth = 0;
  for (int32_t i = 0; i <= myLines_.Ubound(); ++i) {
    int32_t sw = Int32(g.StringWidth(platform::NotNil(myLines_(i)).GetLabel()));
    if (legendWidth < sw + 30.0) legendWidth = Int32(sw + 30.0);
    platform::RuntimeBackgroundTask();
  }
  int32_t count = Int32(myLines_.Ubound() + 1.0);
  int32_t legendHeight = Int32(count * 20.0 + 5.0);
  auto column = NewLegendPicture(legendWidth, legendHeight);
  platform::Graphics& cg = column->Graphics();
  for (int32_t i = 0; i <= myLines_.Ubound(); ++i) {
    const GxLine& line = platform::NotNil(myLines_(i));
    DrawLegendEntry(cg, 5, Int32(20.0 * i), line.GetLabel(), line.GetColor(), foreColor_);
    platform::RuntimeBackgroundTask();
  }
  cg.SetForeColor(foreColor_);
  cg.DrawRect(0, 0, legendWidth, legendHeight);

  int32_t left = 10;
  if (legend_ == 2) {
    left = Int32(static_cast<double>(w_) - legendWidth - 10);
    rightSpace_ = Int32(static_cast<double>(rightSpace_) + legendWidth + 10);
  } else {
    leftSpace_ = Int32(static_cast<double>(leftSpace_) + legendWidth + 20);
  }
  g.DrawPicture(column, left, Int32(h_ / 2.0 - legendHeight / 2.0));
}

void GxLineGraph::DrawGrid() {
  platform::Graphics& g = Canvas();
  g.SetTextSize(kValueLabelSize);
  double yStep = graphHeight_ / static_cast<double>(yMarks_);
  leftSpace_ = Int32(leftSpace_ + g.StringWidth(platform::Format(yMax_, yNumberFormat_)) + 10.0);
  int32_t plotRight = Int32(static_cast<double>(w_) - rightSpace_);
  int32_t plotBottom = Int32(static_cast<double>(h_) - bottomSpace_);

  for (int32_t i : MarkPasses(yMarks_)) {
    double yVal = yMin_ + (i * yStep) * yScale_;
    std::string s = platform::Format(yVal, yNumberFormat_);
    int32_t sw = Int32(g.StringWidth(s));
    int32_t py = Int32(topSpace_ + (yMax_ - yVal) / yScale_);
    g.SetForeColor(foreColor_);
    g.DrawString(s, Int32(static_cast<double>(leftSpace_) - 14 - sw), Int32(py + 4.0));
    if (xGrid_) {
      g.SetForeColor(kGridColor);
      g.DrawLine(Int32(leftSpace_ + 1.0), py, plotRight, py);
    }
    platform::RuntimeBackgroundTask();
  }

  graphWidth_ = Int32(static_cast<double>(w_) - leftSpace_ - rightSpace_);
  xScale_ = (xMax_ - xMin_) / graphWidth_;
  double xStep = graphWidth_ / static_cast<double>(xMarks_);
  for (int32_t i : MarkPasses(xMarks_)) {
    double xVal = xMin_ + (i * xStep) * xScale_;
    std::string s = platform::Format(xVal, xNumberFormat_);
    int32_t sw = Int32(g.StringWidth(s));
    int32_t px = Int32(leftSpace_ + (xVal - xMin_) / xScale_);
    g.SetForeColor(foreColor_);
    g.DrawString(s, Int32(px - sw / 2.0), Int32(plotBottom + 22.0));
    if (yGrid_) {
      g.SetForeColor(kGridColor);
      g.DrawLine(px, topSpace_, px, Int32(plotBottom - 1.0));
    }
    platform::RuntimeBackgroundTask();
  }

  g.SetForeColor(foreColor_);
  g.DrawLine(leftSpace_, plotBottom, plotRight, plotBottom);
  g.DrawLine(leftSpace_, topSpace_, leftSpace_, plotBottom);
  g.SetPenWidth(2);
  g.SetPenHeight(2);
  g.DrawRect(Int32(leftSpace_ - 1.0), Int32(topSpace_ - 1.0), Int32(graphWidth_ + 2.0),
             Int32(graphHeight_ + 2.0));
  g.SetPenWidth(1);
  g.SetPenHeight(1);

  if (!labelAxes_) return;
  g.SetTextSize(kAxisTitleSize);
  if (!yLabel_.empty()) {
    auto title = std::make_shared<platform::StringShape>();
    title->SetTextSize(kAxisTitleSize);
    title->SetText(yLabel_);
    title->SetRotation(kQuarterTurnBack);
    double labelWidth = g.StringWidth(platform::Format(yMax_, yNumberFormat_));
    g.DrawObject(title, Int32(leftSpace_ - labelWidth - 15.0),
                 Int32(topSpace_ + graphHeight_ / 2.0));
  }
  if (!xLabel_.empty()) {
    int32_t sw = Int32(g.StringWidth(xLabel_));
    g.SetForeColor(foreColor_);
    g.DrawString(xLabel_, Int32(leftSpace_ + graphWidth_ / 2.0 - sw / 2.0),
                 Int32(plotBottom + 40.0));
  }
}

}  // namespace corvane
