#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "linegraph/picture_probes.h"
#include "platform/color.h"
#include "platform/conversions.h"

namespace {

using corvane::GxLineGraph;
using linegraph_probes::AllOf;
using linegraph_probes::Band;
using linegraph_probes::Box;
using linegraph_probes::Inked;
using linegraph_probes::MeasuredWidth;
using linegraph_probes::TextInk;
using linegraph_probes::TextRegion;
using platform::Color;
using platform::RGB;

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

// One legend entry whose origin is (ex, ey) in the picture: swatch frame, fill and label.
void ExpectEntry(const platform::Picture& picture, int32_t ex, int32_t ey, const std::string& label,
                 Color fill) {
  EXPECT_TRUE(AllOf(picture, Band(ex, ey + 5, ex + 14, ey + 19, 1), kFrame))
      << "swatch frame at " << ex << ", " << ey + 5;
  EXPECT_TRUE(AllOf(picture, Box(ex + 1, ey + 6, ex + 13, ey + 18), fill))
      << "swatch fill at " << ex + 1 << ", " << ey + 6;
  int32_t width = MeasuredWidth(label, 10.0);
  linegraph_probes::Region region = TextRegion(ex + 20, ey + 17, width, 10.0);
  linegraph_probes::PixelSet ink = Inked(picture, region);
  EXPECT_FALSE(ink.empty());
  EXPECT_EQ(ink, TextInk(picture.Width(), picture.Height(), label, 10.0, ex + 20, ey + 17, kFrame,
                         region))
      << "label " << label;
}

TEST(GxLineGraphLegend, OneRowAtTheTopIsCentredAndTrimmedToItsEntries) {
  const std::string first = "Eigenvalues";
  const std::string second = "a";
  int32_t firstWidth = MeasuredWidth(first, 10.0);
  int32_t secondWidth = MeasuredWidth(second, 10.0);
  int32_t width = 5 + (15 + firstWidth + 10) + (15 + secondWidth + 10);
  ASSERT_LE(width, 540);

  auto graph = GraphWithSeries(1, {first, second});
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = platform::RuntimeCvtReal64ToSInt32(300.0 - width / 2.0);
  EXPECT_TRUE(AllOf(*picture, Band(left, 20, left + width - 1, 44, 1), kFrame));
  ExpectEntry(*picture, left + 5, 20, first, kSeriesColors[0]);
  ExpectEntry(*picture, left + 5 + 15 + firstWidth + 10, 20, second, kSeriesColors[1]);
  // Below the entries the box is white inside its frame.
  EXPECT_TRUE(AllOf(*picture, Box(left + 1, 41, left + width - 2, 43), linegraph_probes::kWhite));
  EXPECT_EQ(graph->GetGeometry().topSpace, 55);
  EXPECT_EQ(graph->GetGeometry().bottomSpace, 30);

  // A second rendering puts the box below the first one's margin and grows it again.
  auto again = graph->DrawGraph(600, 420);
  EXPECT_TRUE(AllOf(*again, Band(left, 55, left + width - 1, 79, 1), kFrame));
  EXPECT_EQ(graph->GetGeometry().topSpace, 90);
}

TEST(GxLineGraphLegend, RowAtTheBottomSitsAboveTheBottomEdge) {
  auto graph = GraphWithSeries(3, {"one"});
  int32_t width = 5 + 15 + MeasuredWidth("one", 10.0) + 10;
  auto picture = graph->DrawGraph(600, 420);
  int32_t left = platform::RuntimeCvtReal64ToSInt32(300.0 - width / 2.0);
  EXPECT_TRUE(AllOf(*picture, Band(left, 385, left + width - 1, 409, 1), kFrame));
  ExpectEntry(*picture, left + 5, 385, "one", kSeriesColors[0]);
  EXPECT_EQ(graph->GetGeometry().bottomSpace, 65);
  EXPECT_EQ(graph->GetGeometry().topSpace, 20);
}

TEST(GxLineGraphLegend, EntriesThatDoNotFitOpenNewRows) {
  // A row 100 pixels wide holds one of these entries but not two.
  const std::string label = "WWWW";
  int32_t labelWidth = MeasuredWidth(label, 10.0);
  ASSERT_LE(5 + 15 + labelWidth + 10, 100);
  ASSERT_GT(5 + 2 * (15 + labelWidth + 10), 100);

  auto graph = GraphWithSeries(1, {label, label, label});
  auto picture = graph->DrawGraph(160, 300);
  EXPECT_TRUE(AllOf(*picture, Band(30, 20, 129, 84, 1), kFrame));  // three rows: 100 x 65
  for (int32_t row = 0; row < 3; ++row) {
    ExpectEntry(*picture, 35, 20 + 20 * row, label, kSeriesColors[static_cast<size_t>(row)]);
  }
  EXPECT_EQ(graph->GetGeometry().topSpace, 20 + 65 + 10);
}

TEST(GxLineGraphLegend, FirstEntryTooWideLeavesTheFirstRowEmpty) {
  const std::string label = "WWWWWWWW";
  int32_t labelWidth = MeasuredWidth(label, 10.0);
  ASSERT_GT(5 + 15 + labelWidth + 10, 100);

  auto graph = GraphWithSeries(1, {label});
  auto picture = graph->DrawGraph(160, 300);
  EXPECT_TRUE(AllOf(*picture, Band(30, 20, 129, 64, 1), kFrame));  // 100 x 45
  EXPECT_TRUE(Inked(*picture, {31, 21, 128, 39}).empty());
  EXPECT_TRUE(AllOf(*picture, Box(36, 46, 48, 58), kSeriesColors[0]));
  EXPECT_EQ(graph->GetGeometry().topSpace, 75);
}

TEST(GxLineGraphLegend, RowLegendWithoutSeriesIsAnEmptyBox) {
  auto graph = GraphWithSeries(1, {});
  auto picture = graph->DrawGraph(600, 420);
  // 5 x 25, its left edge at 300 - 2.5 truncated.
  EXPECT_TRUE(AllOf(*picture, Band(297, 20, 301, 44, 1), kFrame));
  EXPECT_TRUE(AllOf(*picture, Box(298, 21, 300, 43), linegraph_probes::kWhite));
  EXPECT_EQ(graph->GetGeometry().topSpace, 55);
}

TEST(GxLineGraphLegend, ColumnOnTheRightIsCentredOnTheHeight) {
  const std::string first = "x";
  const std::string second = "Eigenvalue";
  int32_t width = std::max(MeasuredWidth(first, 10.0), MeasuredWidth(second, 10.0)) + 30;

  auto graph = GraphWithSeries(2, {first, second});
  auto picture = graph->DrawGraph(600, 421);
  int32_t left = 600 - width - 10;
  EXPECT_TRUE(AllOf(*picture, Band(left, 188, left + width - 1, 188 + 44, 1), kFrame));
  ExpectEntry(*picture, left + 5, 188, first, kSeriesColors[0]);
  ExpectEntry(*picture, left + 5, 208, second, kSeriesColors[1]);
  EXPECT_EQ(graph->GetGeometry().rightSpace, 20 + width + 10);
}

TEST(GxLineGraphLegend, EveryOtherPositionIsAColumnOnTheLeft) {
  for (int32_t position : {4, 5, -1}) {
    auto graph = GraphWithSeries(position, {"one", "two"});
    int32_t width = std::max(MeasuredWidth("one", 10.0), MeasuredWidth("two", 10.0)) + 30;
    auto picture = graph->DrawGraph(600, 421);
    EXPECT_TRUE(AllOf(*picture, Band(10, 188, 10 + width - 1, 188 + 44, 1), kFrame))
        << "position " << position;
    ExpectEntry(*picture, 15, 208, "two", kSeriesColors[1]);
    // The grid widens the margin further by the y label's width.
    double gridWidening = linegraph_probes::ExactWidth("-1.00", 10.0) + 10.0;
    EXPECT_EQ(graph->GetGeometry().leftSpace,
              platform::RuntimeCvtReal64ToSInt32(20.0 + width + 20.0 + gridWidening));
    EXPECT_EQ(graph->GetGeometry().rightSpace, 20);
  }
}

}  // namespace
