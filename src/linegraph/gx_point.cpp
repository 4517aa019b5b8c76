#include "linegraph/gx_point.h"

namespace corvane {

GxPoint::GxPoint(double xValue, double yValue) {
  Constructor(xValue, yValue);
}

void GxPoint::Constructor(double xValue, double yValue) {
  x = xValue;
  y = yValue;
}

}  // namespace corvane
