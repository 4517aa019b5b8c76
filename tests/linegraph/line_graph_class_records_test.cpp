#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "linegraph/gx_line.h"
#include "linegraph/gx_line_graph.h"
#include "linegraph/gx_point.h"
#include "platform/core/class_record.h"
#include "platform/core/value.h"

namespace corvane {
namespace {

// The methods, then the fields, as "name signature", with "-" in front of the private ones.
std::string Describe(const platform::ClassRecord& record) {
  auto entry = [](const std::string& name, const std::string& type, const auto& attributes) {
    std::string scope = "?";  // a member without a scope shows as such
    for (const auto& attribute : attributes) {
      if (attribute.name == "__Scope") scope = attribute.value == "Private" ? "-" : "";
    }
    return scope + name + type;
  };
  std::string text;
  for (const auto& m : record.methods)
    text += entry(m.name, " " + m.signature, m.attributes) + "\n";
  for (const auto& f : record.fields) text += entry(f.name, " " + f.typeCode, f.attributes) + "\n";
  return text;
}

TEST(LineGraphClassRecords, RecordsListOperationsAndFieldsInDeclarationOrder) {
  const platform::ClassRecord& graph = GxLineGraph::Lookup();
  EXPECT_EQ(&graph, platform::FindClassRecord("GxLineGraph"));
  EXPECT_EQ(graph.superclass, nullptr);
  EXPECT_EQ(
      Describe(graph),
      "NewPoint %%i4f8f8\nNewLine %i4%sc\n-DrawGrid %%\nDrawGraph %o<Picture>%i4i4\n"
      "SetGridLines %%bb\nSetXMarks %%i4\nSetYMarks %%i4\nGetXScale %f8%\nGetYScale %f8%\n"
      "GetGraph %o<Picture>%\nPlotPoint %%ci4i4\nPlotLine %%ci4i4i4i4\nGetXMin %i4%\n"
      "GetYMin %i4%\nSetPointRadius %%i4\nSetXRange %%f8f8\nSetYRange %%f8f8\nSetLabelAxes %%b\n"
      "SetLabelXVals %%b\nResetGraph %%\nSetBackColor %%c\nSetForeColor %%c\nConstructor %%\n"
      "SetLabelYVals %%b\nSetLegend %%i4\n-DrawLegend %%\nNewLine %i4%s\n-DrawBackground %%\n"
      "SetBackGradient %%cci4\nSetAxisLabels %%ss\nSetNumberFormats %%ss\nShowVersion %%\n"
      "-graph o<Picture>\n-xMin f8\n-xMax f8\n-yMin f8\n-yMax f8\n-w i4\n-h i4\n"
      "-myLines A1o<GxLine>\n-xGrid b\n-yGrid b\n-xMarks i4\n-yMarks i4\n-xScale f8\n-yScale f8\n"
      "-rightSpace i4\n-bottomSpace i4\n-graphWidth i4\n-graphHeight i4\n-pointRadius i4\n"
      "-leftSpace i4\n-topSpace i4\n-labelAxes b\n-backColor c\n-foreColor c\n-labelXVals b\n"
      "-labelYVals b\n-legend i4\n-backGradient b\n-gradientTop c\n-gradientBottom c\n-yLabel s\n"
      "-xLabel s\n-xNumberFormat s\n-yNumberFormat s\n-gradientDirection i4\n");
  EXPECT_EQ(Describe(GxLine::Lookup()),
            "PlotPoint %%f8f8\nConstructor %%o<GxLineGraph>cs\npaint %%\nGetLabel %s%\n"
            "GetColor %c%\nConstructor %%o<GxLineGraph>s\n-values A1o<GxPoint>\n-myColor c\n"
            "-myGraph o<GxLineGraph>\n-myLabel s\n");
  EXPECT_EQ(Describe(GxPoint::Lookup()), "Constructor %%f8f8\nx f8\ny f8\n");
}

// The private drawing steps have member records but no place in the method table.
TEST(LineGraphClassRecords, MethodTablesHoldThePublicOperationsInTheirOrder) {
  for (const platform::ClassRecord* record :
       {&GxLineGraph::Lookup(), &GxLine::Lookup(), &GxPoint::Lookup()}) {
    std::istringstream described(Describe(*record));
    std::string line, publicOnes, table;
    while (std::getline(described, line)) {
      if (line[0] != '-' && line.find('%') != std::string::npos) publicOnes += line + "\n";
    }
    for (const platform::MemberRecord* method : record->MethodTable()) {
      table += method->name + " " + method->signature + "\n";
    }
    EXPECT_EQ(table, publicOnes) << record->name;
  }
}

TEST(LineGraphClassRecords, RecordsMakeConstructedObjectsAndCallOperationsByName) {
  const platform::ClassRecord& record = GxLineGraph::Lookup();
  auto graph = platform::RuntimeCheckCast<GxLineGraph>(platform::RuntimeNewObject(record));
  EXPECT_EQ(graph->GetGeometry().xMarks, -2);
  record.FindMethod("SetXMarks")->invoker(*graph, {platform::Value(int32_t{5})});
  EXPECT_EQ(graph->GetGeometry().xMarks, 4);
  auto line = platform::RuntimeCheckCast<GxLine>(platform::RuntimeNewObject(GxLine::Lookup()));
  line->Constructor(graph, "made by name");
  EXPECT_EQ(line->GetLabel(), "made by name");
}

}  // namespace
}  // namespace corvane
