#include <memory>
#include <string>

#include "linegraph/gx_line.h"
#include "linegraph/gx_line_graph.h"
#include "platform/core/class_record.h"
#include "platform/core/invoker.h"

namespace corvane {

const platform::ClassRecord& GxLine::Lookup() {
  return platform::DeclareClass<GxLine>("GxLine", nullptr, [] {
    platform::ClassDeclaration declaration;
    using WithColor =
        void (GxLine::*)(const std::shared_ptr<GxLineGraph>&, platform::Color, const std::string&);
    using FromTable = void (GxLine::*)(const std::shared_ptr<GxLineGraph>&, const std::string&);
    declaration.methods = {
        platform::Method("PlotPoint", "%%f8f8", &GxLine::PlotPoint),
        platform::Method("Constructor", "%%o<GxLineGraph>cs",
                         static_cast<WithColor>(&GxLine::Constructor)),
        platform::Method("paint", "%%", &GxLine::paint),
        platform::Method("GetLabel", "%s%", &GxLine::GetLabel),
        platform::Method("GetColor", "%c%", &GxLine::GetColor),
        platform::Method("Constructor", "%%o<GxLineGraph>s",
                         static_cast<FromTable>(&GxLine::Constructor)),
    };
    declaration.fields = platform::ScopedFields("Private", {{"values", "A1o<GxPoint>"},
                                                            {"myColor", "c"},
                                                            {"myGraph", "o<GxLineGraph>"},
                                                            {"myLabel", "s"}});
    return declaration;
  });
}

}  // namespace corvane
