#include "linegraph/gx_point.h"
#include "platform/class_record.h"
#include "platform/invoker.h"

namespace corvane {

const platform::ClassRecord& GxPoint::Lookup() {
  static const platform::ClassRecord& record = []() -> const platform::ClassRecord& {
    platform::ClassRecord& registered = platform::RuntimeNewClass("GxPoint", nullptr);
    registered.factory = platform::FactoryFor<GxPoint>();
    registered.methods = {platform::Method("Constructor", "%%f8f8", &GxPoint::Constructor)};
    // The two coordinates are open to every user of a point.
    const platform::Attribute open("__Scope", "Public");
    registered.fields = {{"x", "f8", {open}}, {"y", "f8", {open}}};
    return registered;
  }();
  return record;
}

}  // namespace corvane
