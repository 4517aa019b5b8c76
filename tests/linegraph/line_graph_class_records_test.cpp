#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "linegraph/gx_line_graph.h"

#include "support/snapshot.h"

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
  EXPECT_TRUE(testing_support::MatchesTextSnapshot(
      Describe(graph) + Describe(GxLine::Lookup()) + Describe(GxPoint::Lookup()),
      "line-graph-classes"));
}

}  // namespace
}  // namespace corvane
