#pragma once

#include <memory>
#include <string>

#include "linegraph/gx_point.h"
#include "platform/core/class_record.h"
#include "platform/core/color.h"
#include "platform/core/object.h"
#include "platform/text/arrays.h"

namespace corvane {

class GxLineGraph;

// One series of a line graph: its points in the order they were added, its colour and its label.
// The series refers to its graph without owning it: the graph owns its series.
class GxLine : public platform::Object {
 public:
  // No points, black, no graph and no label until a Constructor runs.
  GxLine() = default;
  GxLine(const std::shared_ptr<GxLineGraph>& graph, platform::Color color,
         const std::string& label);
  GxLine(const std::shared_ptr<GxLineGraph>& graph, const std::string& label);

  void PlotPoint(double x, double y);
  void Constructor(const std::shared_ptr<GxLineGraph>& graph, platform::Color color,
                   const std::string& label);
  // Draws the series into its graph's picture: a marker per point, joined by segments. Raises the
  // nil-object exception when the graph no longer exists.
  void paint();
  std::string GetLabel() const { return myLabel_; }
  platform::Color GetColor() const { return myColor_; }
  // The colour comes from the series colour table, selected by Module1::newlinecolor as it
  // stands now.
  void Constructor(const std::shared_ptr<GxLineGraph>& graph, const std::string& label);

  static const platform::ClassRecord& Lookup();

 private:
  platform::Array<std::shared_ptr<GxPoint>> values_;
  platform::Color myColor_;
  std::weak_ptr<GxLineGraph> myGraph_;
  std::string myLabel_;
};

}  // namespace corvane
