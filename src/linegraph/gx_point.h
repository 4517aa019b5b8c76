#pragma once

#include "platform/core/class_record.h"
#include "platform/core/object.h"

namespace corvane {

// One point of a series: data units while it is stored, pixel offsets while a series is painted.
class GxPoint : public platform::Object {
 public:
  GxPoint() = default;
  GxPoint(double xValue, double yValue);

  void Constructor(double xValue, double yValue);

  static const platform::ClassRecord& Lookup();

  double x = 0.0;
  double y = 0.0;
};

}  // namespace corvane
