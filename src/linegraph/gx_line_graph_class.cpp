#include <string>

#include "linegraph/gx_line_graph.h"
#include "platform/core/class_record.h"
#include "platform/core/invoker.h"

namespace corvane {

namespace {

// The three drawing steps DrawGraph runs are private: they have member records, in their places
// of the declaration order, but no entry in the method table.
platform::MemberRecord PrivateStep(const char* name, void (GxLineGraph::*step)()) {
  platform::MemberRecord record =
      platform::Method(name, "%%", step, {platform::Attribute("__Scope", "Private")});
  record.inMethodTable = false;
  return record;
}

}  // namespace

const platform::ClassRecord& GxLineGraph::Lookup() {
  return platform::DeclareClass<GxLineGraph>("GxLineGraph", nullptr, [] {
    platform::ClassDeclaration declaration;
    using WithColor = int32_t (GxLineGraph::*)(const std::string&, platform::Color);
    using FromTable = int32_t (GxLineGraph::*)(const std::string&);
    using platform::Method;
    declaration.methods = {
        Method("NewPoint", "%%i4f8f8", &GxLineGraph::NewPoint),
        Method("NewLine", "%i4%sc", static_cast<WithColor>(&GxLineGraph::NewLine)),
        PrivateStep("DrawGrid", &GxLineGraph::DrawGrid),
        Method("DrawGraph", "%o<Picture>%i4i4", &GxLineGraph::DrawGraph),
        Method("SetGridLines", "%%bb", &GxLineGraph::SetGridLines),
        Method("SetXMarks", "%%i4", &GxLineGraph::SetXMarks),
        Method("SetYMarks", "%%i4", &GxLineGraph::SetYMarks),
        Method("GetXScale", "%f8%", &GxLineGraph::GetXScale),
        Method("GetYScale", "%f8%", &GxLineGraph::GetYScale),
        Method("GetGraph", "%o<Picture>%", &GxLineGraph::GetGraph),
        Method("PlotPoint", "%%ci4i4", &GxLineGraph::PlotPoint),
        Method("PlotLine", "%%ci4i4i4i4", &GxLineGraph::PlotLine),
        Method("GetXMin", "%i4%", &GxLineGraph::GetXMin),
        Method("GetYMin", "%i4%", &GxLineGraph::GetYMin),
        Method("SetPointRadius", "%%i4", &GxLineGraph::SetPointRadius),
        Method("SetXRange", "%%f8f8", &GxLineGraph::SetXRange),
        Method("SetYRange", "%%f8f8", &GxLineGraph::SetYRange),
        Method("SetLabelAxes", "%%b", &GxLineGraph::SetLabelAxes),
        Method("SetLabelXVals", "%%b", &GxLineGraph::SetLabelXVals),
        Method("ResetGraph", "%%", &GxLineGraph::ResetGraph),
        Method("SetBackColor", "%%c", &GxLineGraph::SetBackColor),
        Method("SetForeColor", "%%c", &GxLineGraph::SetForeColor),
        Method("Constructor", "%%", &GxLineGraph::Constructor),
        Method("SetLabelYVals", "%%b", &GxLineGraph::SetLabelYVals),
        Method("SetLegend", "%%i4", &GxLineGraph::SetLegend),
        PrivateStep("DrawLegend", &GxLineGraph::DrawLegend),
        Method("NewLine", "%i4%s", static_cast<FromTable>(&GxLineGraph::NewLine)),
        PrivateStep("DrawBackground", &GxLineGraph::DrawBackground),
        Method("SetBackGradient", "%%cci4", &GxLineGraph::SetBackGradient),
        Method("SetAxisLabels", "%%ss", &GxLineGraph::SetAxisLabels),
        Method("SetNumberFormats", "%%ss", &GxLineGraph::SetNumberFormats),
        Method("ShowVersion", "%%", &GxLineGraph::ShowVersion),
    };
    declaration.fields = platform::ScopedFields("Private", {{"graph", "o<Picture>"},
                                                            {"xMin", "f8"},
                                                            {"xMax", "f8"},
                                                            {"yMin", "f8"},
                                                            {"yMax", "f8"},
                                                            {"w", "i4"},
                                                            {"h", "i4"},
                                                            {"myLines", "A1o<GxLine>"},
                                                            {"xGrid", "b"},
                                                            {"yGrid", "b"},
                                                            {"xMarks", "i4"},
                                                            {"yMarks", "i4"},
                                                            {"xScale", "f8"},
                                                            {"yScale", "f8"},
                                                            {"rightSpace", "i4"},
                                                            {"bottomSpace", "i4"},
                                                            {"graphWidth", "i4"},
                                                            {"graphHeight", "i4"},
                                                            {"pointRadius", "i4"},
                                                            {"leftSpace", "i4"},
                                                            {"topSpace", "i4"},
                                                            {"labelAxes", "b"},
                                                            {"backColor", "c"},
                                                            {"foreColor", "c"},
                                                            {"labelXVals", "b"},
                                                            {"labelYVals", "b"},
                                                            {"legend", "i4"},
                                                            {"backGradient", "b"},
                                                            {"gradientTop", "c"},
                                                            {"gradientBottom", "c"},
                                                            {"yLabel", "s"},
                                                            {"xLabel", "s"},
                                                            {"xNumberFormat", "s"},
                                                            {"yNumberFormat", "s"},
                                                            {"gradientDirection", "i4"}});
    return declaration;
  });
}

}  // namespace corvane
