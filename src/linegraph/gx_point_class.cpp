#include "linegraph/gx_point.h"
#include "platform/core/class_record.h"
#include "platform/core/invoker.h"

namespace corvane {

namespace {
platform::ClassRecord* ctbl = nullptr;
}  // namespace

const platform::ClassRecord& GxPoint::Lookup() {
  return platform::RegisterClass(ctbl, "GxPoint", nullptr, [](platform::ClassRecord& registered) {
    registered.factory = platform::FactoryFor<GxPoint>();
    registered.methods = {platform::Method("Constructor", "%%f8f8", &GxPoint::Constructor)};
    // The two coordinates are open to every user of a point.
    const platform::Attribute open("__Scope", "Public");
    registered.fields = {{"x", "f8", {open}}, {"y", "f8", {open}}};
  });
}

}  // namespace corvane
