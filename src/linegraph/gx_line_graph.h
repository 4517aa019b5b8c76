#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "linegraph/gx_line.h"
#include "platform/core/class_record.h"
#include "platform/core/color.h"
#include "platform/core/object.h"
#include "platform/graphics/picture.h"
#include "platform/text/arrays.h"

namespace corvane {

// A line graph: any number of series and the settings of one plot, rendered into a new picture by
// DrawGraph. Create it with std::make_shared: its series refer back to it.
//
// Settings are stored as given, without checks. A range maximum of -1.0 marks the range as unset;
// mark counts are given as numbers of marks and kept as numbers of intervals. DrawGraph widens the
// margins in place, so a second rendering of the same object starts from the widened margins.
class GxLineGraph : public platform::Object {
 public:
  // A copy of the range, mark and layout fields, for code that inspects a rendering.
  struct Geometry {
    double xMin;
    double xMax;
    double yMin;
    double yMax;
    int32_t xMarks;
    int32_t yMarks;
    int32_t leftSpace;
    int32_t topSpace;
    int32_t rightSpace;
    int32_t bottomSpace;
    int32_t graphWidth;
    int32_t graphHeight;
  };

  GxLineGraph();

  // Adds the point to series `line` and widens the ranges to include it. An index outside the
  // series raises the out-of-bounds exception before anything changes.
  void NewPoint(int32_t line, double x, double y);
  // Both return the new series' index.
  int32_t NewLine(const std::string& label, platform::Color color);
  std::shared_ptr<platform::Picture> DrawGraph(int32_t width, int32_t height);
  void SetGridLines(bool x, bool y);
  void SetXMarks(int32_t n);
  void SetYMarks(int32_t n);
  double GetXScale() const { return xScale_; }
  double GetYScale() const { return yScale_; }
  // The picture of the last DrawGraph; nil before the first.
  std::shared_ptr<platform::Picture> GetGraph() const { return graph_; }
  // Draws a marker (and point label) at plot offsets (x, y) from the plot area's bottom-left
  // corner. Raises the nil-object exception before the first DrawGraph unless the radius is 0.
  void PlotPoint(platform::Color color, int32_t x, int32_t y);
  // Draws a segment between two plot offsets. Raises the nil-object exception before the first
  // DrawGraph.
  void PlotLine(platform::Color color, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  int32_t GetXMin() const;
  int32_t GetYMin() const;
  void SetPointRadius(int32_t radius);
  void SetXRange(double min, double max);
  void SetYRange(double min, double max);
  void SetLabelAxes(bool on);
  void SetLabelXVals(bool on);
  // Removes every series; ranges and all other settings stay.
  void ResetGraph();
  void SetBackColor(platform::Color color);
  void SetForeColor(platform::Color color);
  // Sets the defaults; the C++ constructor runs it.
  void Constructor();
  void SetLabelYVals(bool on);
  // 0 none, 1 rows at the top, 3 rows at the bottom, 2 a column at the right, any other value a
  // column at the left.
  void SetLegend(int32_t position);
  int32_t NewLine(const std::string& label);
  // Direction 1: top colour at the top edge, 2: at the right edge, 3: at the bottom edge, 4: at the
  // left edge; any other direction paints no background.
  void SetBackGradient(platform::Color top, platform::Color bottom, int32_t direction);
  void SetAxisLabels(const std::string& xTitle, const std::string& yTitle);
  void SetNumberFormats(const std::string& xFormat, const std::string& yFormat);
  void ShowVersion();

  Geometry GetGeometry() const;

  static const platform::ClassRecord& Lookup();

 private:
  void DrawGrid();
  void DrawLegend();
  void DrawBackground();
  // The steps of DrawGrid, in their order.
  void WidenLeftMarginForYLabels();
  void DrawYValueLabels();
  void NarrowPlotToLeftMargin();
  void DrawXValueLabels();
  void DrawAxesAndFrame();
  void DrawAxisTitles();
  // The picture column and row of plot offsets right of and above the plot's bottom-left corner.
  double PictureX(double offset) const;
  double PictureY(double offset) const;
  void DrawRowLegend();
  void DrawColumnLegend();
  platform::Graphics& Canvas();
  std::shared_ptr<GxLineGraph> Self();

  std::shared_ptr<platform::Picture> graph_;
  double xMin_ = 0.0;
  double xMax_ = 0.0;
  double yMin_ = 0.0;
  double yMax_ = 0.0;
  int32_t w_ = 0;
  int32_t h_ = 0;
  platform::Array<std::shared_ptr<GxLine>> myLines_;
  bool xGrid_ = false;
  bool yGrid_ = false;
  int32_t xMarks_ = 0;
  int32_t yMarks_ = 0;
  double xScale_ = 0.0;
  double yScale_ = 0.0;
  int32_t rightSpace_ = 0;
  int32_t bottomSpace_ = 0;
  int32_t graphWidth_ = 0;
  int32_t graphHeight_ = 0;
  int32_t pointRadius_ = 0;
  int32_t leftSpace_ = 0;
  int32_t topSpace_ = 0;
  bool labelAxes_ = false;
  platform::Color backColor_;
  platform::Color foreColor_;
  bool labelXVals_ = false;
  bool labelYVals_ = false;
  int32_t legend_ = 0;
  bool backGradient_ = false;
  platform::Color gradientTop_;
  platform::Color gradientBottom_;
  std::string yLabel_;
  std::string xLabel_;
  std::string xNumberFormat_;
  std::string yNumberFormat_;
  int32_t gradientDirection_ = 0;
};

}  // namespace corvane
