#include "linegraph/gx_point.h"
#include "platform/core/class_record.h"
#include "platform/core/invoker.h"

namespace corvane {

const platform::ClassRecord& GxPoint::Lookup() {
  return platform::DeclareClass<GxPoint>("GxPoint", nullptr, [] {
    platform::ClassDeclaration declaration;
    declaration.methods = {platform::Method("Constructor", "%%f8f8", &GxPoint::Constructor)};
    // The two coordinates are open to every user of a point.
    declaration.fields = platform::ScopedFields("Public", {{"x", "f8"}, {"y", "f8"}});
    return declaration;
  });
}

}  // namespace corvane
