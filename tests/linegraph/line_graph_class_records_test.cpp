#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "linegraph/gx_line.h"
#include "linegraph/gx_line_graph.h"
#include "linegraph/gx_point.h"
#include "platform/class_record.h"
#include "platform/value.h"

namespace {

using corvane::GxLine;
using corvane::GxLineGraph;
using corvane::GxPoint;

std::vector<std::string> Names(const platform::ClassRecord& record) {
  std::vector<std::string> names;
  for (const auto& method : record.methods) names.push_back(method.name);
  return names;
}

std::string ScopeOf(const std::vector<platform::Attribute>& attributes) {
  for (const auto& attribute : attributes) {
    if (attribute.name == "__Scope" && attribute.hasValue) return attribute.value;
  }
  return "";
}

TEST(LineGraphClassRecords, GraphRecordListsOperationsInDeclarationOrder) {
  const platform::ClassRecord& record = GxLineGraph::Lookup();
  EXPECT_EQ(&record, platform::FindClassRecord("GxLineGraph"));
  EXPECT_EQ(record.superclass, nullptr);
  EXPECT_EQ(
      Names(record),
      (std::vector<std::string>{
          "NewPoint",         "NewLine",      "DrawGrid",       "DrawGraph",       "SetGridLines",
          "SetXMarks",        "SetYMarks",    "GetXScale",      "GetYScale",       "GetGraph",
          "PlotPoint",        "PlotLine",     "GetXMin",        "GetYMin",         "SetPointRadius",
          "SetXRange",        "SetYRange",    "SetLabelAxes",   "SetLabelXVals",   "ResetGraph",
          "SetBackColor",     "SetForeColor", "Constructor",    "SetLabelYVals",   "SetLegend",
          "DrawLegend",       "NewLine",      "DrawBackground", "SetBackGradient", "SetAxisLabels",
          "SetNumberFormats", "ShowVersion"}));
  for (const auto& method : record.methods) {
    bool internal =
        method.name == "DrawGrid" || method.name == "DrawLegend" || method.name == "DrawBackground";
    EXPECT_EQ(ScopeOf(method.attributes), internal ? "Private" : "Public") << method.name;
  }
  EXPECT_NE(record.FindMethod("NewPoint", "%%i4f8f8"), nullptr);
  EXPECT_NE(record.FindMethod("NewLine", "%i4%sc"), nullptr);
  EXPECT_NE(record.FindMethod("NewLine", "%i4%s"), nullptr);
  EXPECT_NE(record.FindMethod("DrawGraph", "%o<Picture>%i4i4"), nullptr);

  ASSERT_EQ(record.fields.size(), 35u);
  EXPECT_EQ(record.fields.front().name, "graph");
  EXPECT_EQ(record.fields.front().typeCode, "o<Picture>");
  EXPECT_EQ(record.fields[7].name, "myLines");
  EXPECT_EQ(record.fields[7].typeCode, "A1o<GxLine>");
  EXPECT_EQ(record.fields.back().name, "gradientDirection");
  for (const auto& field : record.fields) EXPECT_EQ(ScopeOf(field.attributes), "Private");
}

TEST(LineGraphClassRecords, SeriesAndPointRecords) {
  const platform::ClassRecord& line = GxLine::Lookup();
  EXPECT_EQ(line.name, "GxLine");
  EXPECT_EQ(Names(line), (std::vector<std::string>{"PlotPoint", "Constructor", "paint", "GetLabel",
                                                   "GetColor", "Constructor"}));
  EXPECT_EQ(line.methods[1].signature, "%%o<GxLineGraph>cs");
  EXPECT_EQ(line.methods[5].signature, "%%o<GxLineGraph>s");
  ASSERT_EQ(line.fields.size(), 4u);
  EXPECT_EQ(line.fields[0].typeCode, "A1o<GxPoint>");
  EXPECT_EQ(ScopeOf(line.fields[2].attributes), "Private");

  const platform::ClassRecord& point = GxPoint::Lookup();
  EXPECT_EQ(point.name, "GxPoint");
  ASSERT_EQ(point.fields.size(), 2u);
  EXPECT_EQ(ScopeOf(point.fields[0].attributes), "Public");
  EXPECT_EQ(ScopeOf(point.fields[1].attributes), "Public");
}

TEST(LineGraphClassRecords, OperationsCanBeCalledByName) {
  const platform::ClassRecord& record = GxLineGraph::Lookup();
  std::shared_ptr<platform::Object> object = platform::RuntimeNewObject(record);
  auto graph = platform::RuntimeCheckCast<GxLineGraph>(object);
  EXPECT_EQ(graph->GetGeometry().xMarks, -2);  // made through the record, constructed

  record.FindMethod("SetXMarks")->invoker(*graph, {platform::Value(int32_t{5})});
  EXPECT_EQ(graph->GetGeometry().xMarks, 4);
  platform::Value index =
      record.FindMethod("NewLine", "%i4%sc")
          ->invoker(*graph, {platform::Value("s"), platform::Value(platform::RGB(1, 2, 3))});
  EXPECT_EQ(index.As<int32_t>(), 0);
  platform::Value picture =
      record.FindMethod("DrawGraph")
          ->invoker(*graph, {platform::Value(int32_t{50}), platform::Value(int32_t{40})});
  EXPECT_EQ(picture.As<std::shared_ptr<platform::Picture>>(), graph->GetGraph());

  auto line = platform::RuntimeCheckCast<GxLine>(platform::RuntimeNewObject(GxLine::Lookup()));
  line->Constructor(graph, "made by name");
  EXPECT_EQ(line->GetLabel(), "made by name");
}

}  // namespace
