#include "linegraph/gx_line_graph.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "linegraph/int32.h"
#include "platform/core/background_task.h"
#include "platform/core/exceptions.h"
#include "platform/core/user_interaction.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/string_shape.h"
#include "platform/text/conversions.h"
#include "platform/text/text_functions.h"

namespace corvane {
namespace {

using platform::Color;
using platform::RGB;

constexpr int32_t kPictureDepth = 32;

// The margins of a new graph.
constexpr int32_t kInitialLeftSpace = 20;
constexpr int32_t kInitialBottomSpace = 30;
constexpr int32_t kInitialTopSpace = 20;
constexpr int32_t kInitialRightSpace = 20;

// Room DrawGraph adds for the axis titles, left of and below the plot.
constexpr double kYTitleRoom = 20.0;
constexpr double kXTitleRoom = 20.0;
// Pixels of plot width per value mark when the counts are automatic; both come from the width.
constexpr double kPixelsPerAutomaticXMark = 30.0;
constexpr double kPixelsPerAutomaticYMark = 20.0;

// Text sizes.
constexpr double kValueLabelSize = 10.0;
constexpr double kAxisTitleSize = 12.0;
constexpr double kPointLabelSize = 9.0;
constexpr double kLegendLabelSize = 10.0;

// The grid.
constexpr Color kGridColor = RGB(107, 255, 255);
constexpr double kYLabelRoom = 10.0;          // left margin beyond the widest y label measured
constexpr double kYLabelGap = 14.0;           // from a y label's right end to the y axis
constexpr double kYLabelBaselineDrop = 4.0;   // below the label's grid row
constexpr double kXLabelBaselineDrop = 22.0;  // below the x axis
constexpr double kXTitleBaselineDrop = 40.0;  // below the x axis
constexpr double kYTitleGap = 15.0;           // left of the y labels' measured width
constexpr double kGridLineInset = 1.0;        // horizontal lines start right of the y axis
constexpr int32_t kFramePen = 2;
constexpr int32_t kPlainPen = 1;
constexpr double kQuarterTurnBack = -1.5707963267948966;

// Point markers and their labels.
constexpr double kPointLabelGap = 2.0;  // between a marker's edge and its label
constexpr double kPointLabelBaselineDrop = 4.0;

// One legend entry: a framed swatch and the label beside it, drawn from the entry's origin.
constexpr double kSwatchTop = 5.0;
constexpr int32_t kSwatchSize = 15;
constexpr double kSwatchFillInset = 1.0;
constexpr double kSwatchFillTop = 6.0;
constexpr int32_t kSwatchFillSize = 13;
constexpr double kEntryLabelIndent = 20.0;
constexpr double kEntryLabelBaseline = 17.0;

// Legends in rows, across the top or the bottom.
constexpr double kRowLegendInset = 20.0;  // a row is this much narrower than the plot's span
constexpr int32_t kFirstRowHeight = 21;
constexpr int32_t kLaterRowHeight = 25;
constexpr int32_t kRowEntryStart = 5;
constexpr double kRowSwatchRoom = 15.0;  // an entry's advance: swatch, label, then the gap
constexpr double kRowEntryGap = 10.0;
constexpr double kRowPitch = 20.0;
constexpr double kRowLegendPadding = 5.0;
constexpr double kRowLegendGap = 10.0;  // between the box and the plot
constexpr double kBoxFillInset = 1.0;

// Legends in a column, at the right or the left.
constexpr double kColumnLabelRoom = 30.0;
constexpr int32_t kColumnEntryLeft = 5;
constexpr double kColumnPitch = 20.0;
constexpr double kColumnLegendPadding = 5.0;
constexpr int32_t kColumnEdgeGap = 10;  // between the picture's edge and the column
constexpr double kRightColumnGap = 10.0;
constexpr double kLeftColumnGap = 20.0;

// What lies between two margins of a picture `whole` pixels across. Int32 values are summed as
// Doubles, so no margin can overflow the sum.
double Between(int32_t whole, int32_t before, int32_t after) {
  const double span = whole;
  return span - before - after;
}

// An axis gets no more value labels than it has pixels: a user who pastes 1e300 asks for some two
// billion marks, whose labels would keep the window frozen. While the marks fit, every one is
// labelled; beyond that an evenly spread selection, always with the first and the last.
int32_t LabelCount(int32_t marks, int32_t axisPixels) {
  if (marks < 0) return 0;
  const int64_t labels = int64_t{marks} + 1;
  const int64_t room = std::max<int64_t>(axisPixels, 2);
  return static_cast<int32_t>(std::min(labels, room));
}

// The mark that label k of `labels` stands for, 0 for the first and `marks` for the last.
int32_t LabelledMark(int32_t k, int32_t labels, int32_t marks) {
  if (labels < 2) return 0;
  return static_cast<int32_t>(int64_t{k} * marks / (labels - 1));
}

// Runs `draw` with each labelled mark in order, then the background task.
template <class Draw>
void ForEachLabelledMark(int32_t marks, int32_t axisPixels, Draw draw) {
  const int32_t labels = LabelCount(marks, axisPixels);
  for (int32_t k = 0; k < labels; ++k) {
    draw(LabelledMark(k, labels, marks));
    platform::RuntimeBackgroundTask();
  }
}

void DrawLegendEntry(platform::Graphics& g, int32_t ex, int32_t ey, const std::string& label,
                     Color seriesColor, Color frameColor) {
  g.SetForeColor(frameColor);
  g.DrawRect(ex, Int32(ey + kSwatchTop), kSwatchSize, kSwatchSize);
  g.DrawString(label, Int32(ex + kEntryLabelIndent), Int32(ey + kEntryLabelBaseline));
  g.SetForeColor(seriesColor);
  g.FillRect(Int32(ex + kSwatchFillInset), Int32(ey + kSwatchFillTop), kSwatchFillSize,
             kSwatchFillSize);
}

std::shared_ptr<platform::Picture> NewLegendPicture(int32_t width, int32_t height) {
  auto picture = platform::NewPicture(width, height, kPictureDepth);
  platform::NotNil(picture).Graphics().SetTextSize(kLegendLabelSize);
  return picture;
}

}  // namespace

GxLineGraph::GxLineGraph() {
  Constructor();
}

void GxLineGraph::Constructor() {
  leftSpace_ = kInitialLeftSpace;
  bottomSpace_ = kInitialBottomSpace;
  topSpace_ = kInitialTopSpace;
  rightSpace_ = kInitialRightSpace;
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
  graph_ = platform::NewPicture(w_, h_, kPictureDepth);
  DrawBackground();
  if (labelAxes_) {
    leftSpace_ = Int32(leftSpace_ + kYTitleRoom);
    bottomSpace_ = Int32(bottomSpace_ + kXTitleRoom);
  }
  DrawLegend();
  graphWidth_ = Int32(Between(w_, leftSpace_, rightSpace_));
  graphHeight_ = Int32(Between(h_, topSpace_, bottomSpace_));
  if (xMarks_ == -1) SetXMarks(Int32(graphWidth_ / kPixelsPerAutomaticXMark));
  if (yMarks_ == -1) SetYMarks(Int32(graphWidth_ / kPixelsPerAutomaticYMark));
  const double plotWidth = graphWidth_;
  const double plotHeight = graphHeight_;
  xScale_ = (xMax_ - xMin_) / plotWidth;
  yScale_ = (yMax_ - yMin_) / plotHeight;
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

double GxLineGraph::PictureX(double offset) const {
  return offset + leftSpace_;
}

double GxLineGraph::PictureY(double offset) const {
  const double top = topSpace_;
  return top + graphHeight_ - offset;
}

void GxLineGraph::PlotPoint(Color color, int32_t x, int32_t y) {
  if (pointRadius_ == 0) return;
  platform::Graphics& g = Canvas();
  const double radius = pointRadius_;
  const double centreX = Int32(PictureX(x));
  const double centreY = Int32(PictureY(y));
  const int32_t diameter = Int32(2.0 * radius + 1.0);
  g.SetForeColor(color);
  g.FillOval(Int32(centreX - radius), Int32(centreY - radius), diameter, diameter);

  if (!labelXVals_ && !labelYVals_) return;
  std::string label;
  if (labelXVals_) label = platform::Format(platform::Round(xMin_ + x * xScale_), xNumberFormat_);
  if (labelYVals_) {
    if (labelXVals_) label += ",";
    label += platform::Format(platform::Round(yMin_ + y * yScale_), yNumberFormat_);
  }
  g.SetTextSize(kPointLabelSize);
  const double labelWidth = Int32(g.StringWidth(label));
  const int32_t baseline = Int32(centreY + kPointLabelBaselineDrop);
  // Right of the marker while the label ends inside the plot, otherwise left of it.
  const double plotRight = PictureX(graphWidth_);
  if (centreX + radius + kPointLabelGap + labelWidth < plotRight) {
    g.DrawString(label, Int32(centreX + radius + kPointLabelGap), baseline);
  } else {
    g.DrawString(label, Int32(centreX - radius - kPointLabelGap - labelWidth), baseline);
  }
}

void GxLineGraph::PlotLine(Color color, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  platform::Graphics& g = Canvas();
  g.SetForeColor(color);
  g.DrawLine(Int32(PictureX(x1)), Int32(PictureY(y1)), Int32(PictureX(x2)), Int32(PictureY(y2)));
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
  const double lines = n;
  auto channel = [lines](double top, double bottom, int32_t step) {
    return Int32(bottom - (bottom - top) * (lines - step) / lines);
  };
  const double width = w_;
  const double height = h_;
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
        g.DrawLine(Int32(width - i), 0, Int32(width - i), h_);
        break;
      case 3:
        g.DrawLine(0, Int32(height - i), w_, Int32(height - i));
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
  const int32_t rowWidth = Int32(Between(w_, leftSpace_, rightSpace_) - kRowLegendInset);
  std::vector<std::shared_ptr<platform::Picture>> rows;
  rows.push_back(NewLegendPicture(rowWidth, kFirstRowHeight));
  int32_t r = 0;
  int32_t x = kRowEntryStart;
  for (int32_t i = 0; i <= myLines_.Ubound(); ++i) {
    const GxLine& line = platform::NotNil(myLines_(i));
    std::string label = line.GetLabel();
    Color color = line.GetColor();
    const double advance =
        kRowSwatchRoom + Int32(rows.back()->Graphics().StringWidth(label)) + kRowEntryGap;
    if (rowWidth < x + advance) {
      x = kRowEntryStart;
      ++r;
      rows.push_back(NewLegendPicture(rowWidth, kLaterRowHeight));
    }
    DrawLegendEntry(rows.back()->Graphics(), x, 0, label, color, foreColor_);
    x = Int32(x + advance);
    platform::RuntimeBackgroundTask();
  }

  const int32_t legendHeight = Int32((r + 1.0) * kRowPitch + kRowLegendPadding);
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
    topSpace_ = Int32(topSpace_ + (legendHeight + kRowLegendGap));
  } else {
    const double height = h_;
    top = Int32(height - legendHeight - kRowLegendGap);
    bottomSpace_ = Int32(bottomSpace_ + (legendHeight + kRowLegendGap));
  }

  platform::Graphics& g = Canvas();
  const double boxLeft = w_ / 2.0 - legendWidth / 2.0;
  const int32_t left = Int32(boxLeft);
  g.SetForeColor(RGB(255, 255, 255));
  g.FillRect(Int32(boxLeft + kBoxFillInset), Int32(top + kBoxFillInset),
             Int32(legendWidth - 2 * kBoxFillInset), Int32(legendHeight - 2 * kBoxFillInset));
  int32_t k = 0;
  for (const auto& row : rows) {
    g.DrawPicture(row, left, Int32(top + kRowPitch * k));
    ++k;
    platform::RuntimeBackgroundTask();
  }
  g.SetForeColor(foreColor_);
  g.DrawRect(left, top, legendWidth, legendHeight);
}

void GxLineGraph::DrawColumnLegend() {
  platform::Graphics& g = Canvas();
  g.SetTextSize(kLegendLabelSize);
  int32_t legendWidth = 0;
  for (int32_t i = 0; i <= myLines_.Ubound(); ++i) {
    const double room =
        Int32(g.StringWidth(platform::NotNil(myLines_(i)).GetLabel())) + kColumnLabelRoom;
    if (legendWidth < room) legendWidth = Int32(room);
    platform::RuntimeBackgroundTask();
  }
  const double count = myLines_.Ubound() + 1.0;
  const int32_t legendHeight = Int32(count * kColumnPitch + kColumnLegendPadding);
  auto column = NewLegendPicture(legendWidth, legendHeight);
  platform::Graphics& cg = column->Graphics();
  for (int32_t i = 0; i <= myLines_.Ubound(); ++i) {
    const GxLine& line = platform::NotNil(myLines_(i));
    DrawLegendEntry(cg, kColumnEntryLeft, Int32(kColumnPitch * i), line.GetLabel(), line.GetColor(),
                    foreColor_);
    platform::RuntimeBackgroundTask();
  }
  cg.SetForeColor(foreColor_);
  cg.DrawRect(0, 0, legendWidth, legendHeight);

  int32_t left = kColumnEdgeGap;
  if (legend_ == 2) {
    left = Int32(Between(w_, legendWidth, kColumnEdgeGap));
    rightSpace_ = Int32(rightSpace_ + (legendWidth + kRightColumnGap));
  } else {
    leftSpace_ = Int32(leftSpace_ + (legendWidth + kLeftColumnGap));
  }
  g.DrawPicture(column, left, Int32(h_ / 2.0 - legendHeight / 2.0));
}

// The steps in the order their drawing must overlap: each value label before its grid line, the
// axes and frame over the grid lines' ends, the titles last.
void GxLineGraph::DrawGrid() {
  Canvas().SetTextSize(kValueLabelSize);
  WidenLeftMarginForYLabels();
  DrawYValueLabels();
  NarrowPlotToLeftMargin();
  DrawXValueLabels();
  DrawAxesAndFrame();
  if (labelAxes_) DrawAxisTitles();
}

// Only the label of yMax is measured: a wider one (more digits, a minus sign) reaches further left.
void GxLineGraph::WidenLeftMarginForYLabels() {
  const double labelWidth = Canvas().StringWidth(platform::Format(yMax_, yNumberFormat_));
  leftSpace_ = Int32(leftSpace_ + labelWidth + kYLabelRoom);
}

void GxLineGraph::DrawYValueLabels() {
  platform::Graphics& g = Canvas();
  const double intervals = yMarks_;
  const double yStep = graphHeight_ / intervals;
  const double axisX = leftSpace_;
  const int32_t plotRight = Int32(Between(w_, 0, rightSpace_));
  ForEachLabelledMark(yMarks_, graphHeight_, [&](int32_t i) {
    const double yVal = yMin_ + (i * yStep) * yScale_;
    const std::string s = platform::Format(yVal, yNumberFormat_);
    const double labelWidth = Int32(g.StringWidth(s));
    const int32_t py = Int32(topSpace_ + (yMax_ - yVal) / yScale_);
    g.SetForeColor(foreColor_);
    g.DrawString(s, Int32(axisX - kYLabelGap - labelWidth), Int32(py + kYLabelBaselineDrop));
    if (xGrid_) {
      g.SetForeColor(kGridColor);
      g.DrawLine(Int32(axisX + kGridLineInset), py, plotRight, py);
    }
  });
}

// The y labels took room from the plot: its width and the x scale follow the widened margin.
void GxLineGraph::NarrowPlotToLeftMargin() {
  graphWidth_ = Int32(Between(w_, leftSpace_, rightSpace_));
  const double plotWidth = graphWidth_;
  xScale_ = (xMax_ - xMin_) / plotWidth;
}

void GxLineGraph::DrawXValueLabels() {
  platform::Graphics& g = Canvas();
  const double intervals = xMarks_;
  const double xStep = graphWidth_ / intervals;
  const double axisY = Between(h_, 0, bottomSpace_);
  ForEachLabelledMark(xMarks_, graphWidth_, [&](int32_t i) {
    const double xVal = xMin_ + (i * xStep) * xScale_;
    const std::string s = platform::Format(xVal, xNumberFormat_);
    const double labelWidth = Int32(g.StringWidth(s));
    const int32_t px = Int32(leftSpace_ + (xVal - xMin_) / xScale_);
    g.SetForeColor(foreColor_);
    g.DrawString(s, Int32(px - labelWidth / 2.0), Int32(axisY + kXLabelBaselineDrop));
    if (yGrid_) {
      g.SetForeColor(kGridColor);
      g.DrawLine(px, topSpace_, px, Int32(axisY - 1.0));
    }
  });
}

void GxLineGraph::DrawAxesAndFrame() {
  platform::Graphics& g = Canvas();
  const int32_t plotRight = Int32(Between(w_, 0, rightSpace_));
  const int32_t plotBottom = Int32(Between(h_, 0, bottomSpace_));
  g.SetForeColor(foreColor_);
  g.DrawLine(leftSpace_, plotBottom, plotRight, plotBottom);
  g.DrawLine(leftSpace_, topSpace_, leftSpace_, plotBottom);
  // The heavy frame lies one pixel outside the plot area all round.
  g.SetPenWidth(kFramePen);
  g.SetPenHeight(kFramePen);
  g.DrawRect(Int32(leftSpace_ - 1.0), Int32(topSpace_ - 1.0), Int32(graphWidth_ + 2.0),
             Int32(graphHeight_ + 2.0));
  g.SetPenWidth(kPlainPen);
  g.SetPenHeight(kPlainPen);
}

void GxLineGraph::DrawAxisTitles() {
  platform::Graphics& g = Canvas();
  g.SetTextSize(kAxisTitleSize);
  if (!yLabel_.empty()) {
    auto title = std::make_shared<platform::StringShape>();
    title->SetTextSize(kAxisTitleSize);
    title->SetText(yLabel_);
    title->SetRotation(kQuarterTurnBack);
    // Measured anew at the title's size.
    const double labelWidth = g.StringWidth(platform::Format(yMax_, yNumberFormat_));
    g.DrawObject(title, Int32(leftSpace_ - labelWidth - kYTitleGap),
                 Int32(topSpace_ + graphHeight_ / 2.0));
  }
  if (!xLabel_.empty()) {
    const double titleWidth = Int32(g.StringWidth(xLabel_));
    g.SetForeColor(foreColor_);
    g.DrawString(xLabel_, Int32(leftSpace_ + graphWidth_ / 2.0 - titleWidth / 2.0),
                 Int32(Between(h_, 0, bottomSpace_) + kXTitleBaselineDrop));
  }
}

}  // namespace corvane
