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
    const platform::Attribute hidden("__Scope", "Private");
    declaration.fields = {
        {"graph", "o<Picture>", {hidden}},
        {"xMin", "f8", {hidden}},
        {"xMax", "f8", {hidden}},
        {"yMin", "f8", {hidden}},
        {"yMax", "f8", {hidden}},
        {"w", "i4", {hidden}},
        {"h", "i4", {hidden}},
        {"myLines", "A1o<GxLine>", {hidden}},
        {"xGrid", "b", {hidden}},
        {"yGrid", "b", {hidden}},
        {"xMarks", "i4", {hidden}},
        {"yMarks", "i4", {hidden}},
        {"xScale", "f8", {hidden}},
        {"yScale", "f8", {hidden}},
        {"rightSpace", "i4", {hidden}},
        {"bottomSpace", "i4", {hidden}},
        {"graphWidth", "i4", {hidden}},
        {"graphHeight", "i4", {hidden}},
        {"pointRadius", "i4", {hidden}},
        {"leftSpace", "i4", {hidden}},
        {"topSpace", "i4", {hidden}},
        {"labelAxes", "b", {hidden}},
        {"backColor", "c", {hidden}},
        {"foreColor", "c", {hidden}},
        {"labelXVals", "b", {hidden}},
        {"labelYVals", "b", {hidden}},
        {"legend", "i4", {hidden}},
        {"backGradient", "b", {hidden}},
        {"gradientTop", "c", {hidden}},
        {"gradientBottom", "c", {hidden}},
        {"yLabel", "s", {hidden}},
        {"xLabel", "s", {hidden}},
        {"xNumberFormat", "s", {hidden}},
        {"yNumberFormat", "s", {hidden}},
        {"gradientDirection", "i4", {hidden}},
    };
    return declaration;
  });
}

}  // namespace corvane
