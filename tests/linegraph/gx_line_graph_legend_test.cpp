#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "linegraph/picture_probes.h"
#include "platform/core/color.h"

namespace corvane::linegraph_testing {
namespace {

constexpr Color kFrame = RGB(160, 0, 0);
const std::vector<Color> kSeriesColors = {RGB(0, 0, 255), RGB(0, 128, 0), RGB(255, 128, 0)};

std::shared_ptr<GxLineGraph> GraphWithSeries(int32_t legend,
                                             const std::vector<std::string>& labels) {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(legend);
  graph->SetForeColor(kFrame);
  for (size_t i = 0; i < labels.size(); ++i) graph->NewLine(labels[i], kSeriesColors[i]);
  return graph;
}

// The legend box's frame, one pixel deep, whose top-left pixel is (left, top).
bool FrameAt(const platform::Picture& picture, int32_t left, int32_t top, int32_t width,
             int32_t height) {
  return AllOf(picture, Band(left, top, left + width - 1, top + height - 1, 1), kFrame);
}

// One legend entry whose origin is (ex, ey): a framed 15-pixel swatch and the label 20 to its
// right.
void ExpectEntry(const platform::Picture& picture, int32_t ex, int32_t ey, const std::string& label,
                 Color fill) {
  EXPECT_TRUE(FrameAt(picture, ex, ey + 5, 15, 15)) << "swatch frame at " << ex << ", " << ey + 5;
  EXPECT_TRUE(AllOf(picture, Box(ex + 1, ey + 6, ex + 13, ey + 18), fill)) << "swatch of " << label;
  EXPECT_TRUE(TextAt(picture, label, 10.0, ex + 20, ey + 17, kFrame));
}

int32_t EntryWidth(const std::string& label) {
  return 15 + MeasuredWidth(label, 10.0) + 10;
}

TEST(GxLineGraphLegend, OneRowIsCentredAndTrimmedToItsEntries) {
  const std::string first = "Eigenvalues";
  int32_t width = 5 + EntryWidth(first) + EntryWidth("a");
  int32_t left = Int32(300.0 - width / 2.0);

  auto graph = GraphWithSeries(1, {first, "a"});
  auto picture = graph->DrawGraph(600, 420);
  EXPECT_TRUE(FrameAt(*picture, left, 20, width, 25));
  ExpectEntry(*picture, left + 5, 20, first, kSeriesColors[0]);
  ExpectEntry(*picture, left + 5 + EntryWidth(first), 20, "a", kSeriesColors[1]);
  EXPECT_TRUE(AllOf(*picture, Box(left + 1, 41, left + width - 2, 43), kWhite));
  EXPECT_EQ(graph->GetGeometry().topSpace, 55);
  // A second rendering puts the box below the first one's margin and grows it again.
  EXPECT_TRUE(FrameAt(*graph->DrawGraph(600, 420), left, 55, width, 25));
  EXPECT_EQ(graph->GetGeometry().topSpace, 90);

  // At the bottom the row sits 10 pixels above the bottom edge.
  auto bottom = GraphWithSeries(3, {"one"});
  picture = bottom->DrawGraph(600, 420);
  width = 5 + EntryWidth("one");
  left = Int32(300.0 - width / 2.0);
  EXPECT_TRUE(FrameAt(*picture, left, 385, width, 25));
  ExpectEntry(*picture, left + 5, 385, "one", kSeriesColors[0]);
  EXPECT_EQ(bottom->GetGeometry().bottomSpace, 65);
  EXPECT_EQ(bottom->GetGeometry().topSpace, 20);

  // Without series the box is the bare 5 x 25 frame.
  auto empty = GraphWithSeries(1, {});
  picture = empty->DrawGraph(600, 420);
  EXPECT_TRUE(FrameAt(*picture, 297, 20, 5, 25));
  EXPECT_TRUE(AllOf(*picture, Box(298, 21, 300, 43), kWhite));
}

TEST(GxLineGraphLegend, EntriesThatDoNotFitOpenNewRows) {
  // Rows are 100 pixels wide: one "WWWW" entry fits, two do not, and "WWWWWWWW" never fits.
  const std::string label = "WWWW";
  ASSERT_LE(5 + EntryWidth(label), 100);
  ASSERT_GT(5 + 2 * EntryWidth(label), 100);
  ASSERT_GT(5 + EntryWidth("WWWWWWWW"), 100);

  auto graph = GraphWithSeries(1, {label, label, label});
  auto picture = graph->DrawGraph(160, 300);
  EXPECT_TRUE(FrameAt(*picture, 30, 20, 100, 65));
  for (int32_t row = 0; row < 3; ++row) {
    ExpectEntry(*picture, 35, 20 + 20 * row, label, kSeriesColors[static_cast<size_t>(row)]);
  }
  EXPECT_EQ(graph->GetGeometry().topSpace, 95);

  // An entry too wide for any row still opens a new one, leaving the first row empty.
  auto wide = GraphWithSeries(1, {"WWWWWWWW"});
  picture = wide->DrawGraph(160, 300);
  EXPECT_TRUE(FrameAt(*picture, 30, 20, 100, 45));
  EXPECT_TRUE(Inked(*picture, {31, 21, 128, 39}).empty());
  EXPECT_TRUE(AllOf(*picture, Box(36, 46, 48, 58), kSeriesColors[0]));
  EXPECT_EQ(wide->GetGeometry().topSpace, 75);
}

TEST(GxLineGraphLegend, ColumnsSitAtTheRightForTwoAndAtTheLeftForOtherPositions) {
  const double gridWidening = ExactWidth("-1.00", 10.0) + 10.0;
  for (int32_t position : {2, 4, 5, -1}) {
    SCOPED_TRACE("position " + std::to_string(position));
    auto graph = GraphWithSeries(position, {"x", "Eigenvalue"});
    int32_t width = std::max(MeasuredWidth("x", 10.0), MeasuredWidth("Eigenvalue", 10.0)) + 30;
    auto picture = graph->DrawGraph(600, 421);
    int32_t left = position == 2 ? 600 - width - 10 : 10;
    EXPECT_TRUE(FrameAt(*picture, left, 188, width, 45));
    ExpectEntry(*picture, left + 5, 188, "x", kSeriesColors[0]);
    ExpectEntry(*picture, left + 5, 208, "Eigenvalue", kSeriesColors[1]);
    GxLineGraph::Geometry geometry = graph->GetGeometry();
    EXPECT_EQ(geometry.rightSpace, position == 2 ? 20 + width + 10 : 20);
    EXPECT_EQ(geometry.leftSpace,
              Int32((position == 2 ? 20.0 : 20.0 + width + 20.0) + gridWidening));
  }
}

}  // namespace
}  // namespace corvane::linegraph_testing
