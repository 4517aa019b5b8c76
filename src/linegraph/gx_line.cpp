#include "linegraph/gx_line.h"

#include "linegraph/gx_line_graph.h"
#include "linegraph/int32.h"
#include "platform/core/background_task.h"
#include "platform/core/exceptions.h"
#include "shared/module1.h"

namespace corvane {
namespace {

// The colours of series made without one, chosen by Module1::newlinecolor.
platform::Color SeriesColor(int32_t selector) {
  switch (selector) {
    case 0:
      return platform::RGB(0, 0, 0);
    case 1:
      return platform::RGB(0, 0, 255);
    case 2:
      return platform::RGB(255, 0, 0);
    case 3:
      return platform::RGB(0, 128, 0);
    case 4:
      return platform::RGB(255, 0, 255);
    case 5:
      return platform::RGB(255, 128, 0);
    case 6:
      return platform::RGB(255, 255, 0);
    case 7:
      return platform::RGB(128, 0, 255);
    case 8:
      return platform::RGB(128, 64, 0);
    case 9:
      return platform::RGB(0, 255, 255);
    case -9:
      return platform::RGB(255, 255, 255);
    default:
      return platform::RGB(150, 150, 150);
  }
}

}  // namespace

GxLine::GxLine(const std::shared_ptr<GxLineGraph>& graph, platform::Color color,
               const std::string& label) {
  Constructor(graph, color, label);
}

GxLine::GxLine(const std::shared_ptr<GxLineGraph>& graph, const std::string& label) {
  Constructor(graph, label);
}

void GxLine::Constructor(const std::shared_ptr<GxLineGraph>& graph, platform::Color color,
                         const std::string& label) {
  myGraph_ = graph;
  myColor_ = color;
  myLabel_ = label;
}

void GxLine::Constructor(const std::shared_ptr<GxLineGraph>& graph, const std::string& label) {
  myGraph_ = graph;
  myLabel_ = label;
  myColor_ = SeriesColor(Module1::newlinecolor);
}

void GxLine::PlotPoint(double x, double y) {
  values_.Append(std::make_shared<GxPoint>(x, y));
}

void GxLine::paint() {
  std::shared_ptr<GxLineGraph> graph = myGraph_.lock();
  if (!graph) throw platform::NilObjectException("The series' graph no longer exists");
  double xScale = graph->GetXScale();
  double yScale = graph->GetYScale();
  // The origin is the minimum after its conversion to Int32, not the Double minimum the grid uses.
  double xOrigin = graph->GetXMin();
  double yOrigin = graph->GetYMin();
  // Offsets stay unrounded between points, so each segment starts exactly at the previous marker.
  std::shared_ptr<GxPoint> previous;
  for (int32_t i = 0; i <= values_.Ubound(); ++i) {
    const GxPoint& point = platform::NotNil(values_(i));
    double px = (point.x - xOrigin) / xScale;
    double py = (point.y - yOrigin) / yScale;
    graph->PlotPoint(myColor_, Int32(px), Int32(py));
    if (previous) {
      graph->PlotLine(myColor_, Int32(previous->x), Int32(previous->y), Int32(px), Int32(py));
      previous->x = px;
      previous->y = py;
    } else {
      previous = std::make_shared<GxPoint>(px, py);
    }
    platform::RuntimeBackgroundTask();
  }
}

}  // namespace corvane
