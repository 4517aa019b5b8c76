#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "linegraph/gx_line_graph.h"
#include "linegraph/picture_probes.h"
#include "platform/color.h"

namespace {

using corvane::GxLineGraph;
using platform::Color;
using platform::RGB;

Color Grey(int32_t value) {
  return RGB(value, value, value);
}

// A picture this small lies wholly in the margins: nothing but the background is drawn on it.
std::shared_ptr<platform::Picture> Background(Color top, Color bottom, int32_t direction,
                                              int32_t width, int32_t height) {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetBackGradient(top, bottom, direction);
  return graph->DrawGraph(width, height);
}

std::vector<Color> Column(const platform::Picture& picture, int32_t x) {
  std::vector<Color> colors;
  for (int32_t y = 0; y < picture.Height(); ++y) colors.push_back(picture.PixelColor(x, y));
  return colors;
}

std::vector<Color> Row(const platform::Picture& picture, int32_t y) {
  std::vector<Color> colors;
  for (int32_t x = 0; x < picture.Width(); ++x) colors.push_back(picture.PixelColor(x, y));
  return colors;
}

TEST(GxLineGraphBackground, PlainBackgroundFillsThePicture) {
  auto graph = std::make_shared<GxLineGraph>();
  graph->SetLegend(0);
  graph->SetBackGradient(Grey(0), Grey(250), 1);
  graph->SetBackColor(RGB(10, 20, 30));
  auto picture = graph->DrawGraph(6, 4);
  EXPECT_EQ(linegraph_probes::InColor(*picture, RGB(10, 20, 30), linegraph_probes::Whole(*picture))
                .size(),
            24u);
}

TEST(GxLineGraphBackground, GradientRowsRunFromTopColourOneStepShortOfBottom) {
  std::vector<Color> downwards = {Grey(0), Grey(0), Grey(50), Grey(100), Grey(150)};
  auto down = Background(Grey(0), Grey(250), 1, 3, 5);
  EXPECT_EQ(Column(*down, 0), downwards);
  EXPECT_EQ(Column(*down, 2), downwards);

  // Direction 3 starts at the bottom edge, one line below the picture.
  auto up = Background(Grey(0), Grey(250), 3, 3, 5);
  EXPECT_EQ(Column(*up, 1),
            (std::vector<Color>{Grey(200), Grey(150), Grey(100), Grey(50), Grey(0)}));

  auto falling = Background(Grey(200), Grey(100), 1, 3, 5);
  EXPECT_EQ(Column(*falling, 1),
            (std::vector<Color>{Grey(200), Grey(200), Grey(180), Grey(160), Grey(140)}));

  auto single = Background(Grey(30), Grey(250), 1, 4, 1);
  EXPECT_EQ(Row(*single, 0), std::vector<Color>(4, Grey(30)));
}

TEST(GxLineGraphBackground, GradientColumnsRunChannelByChannel) {
  auto rightwards = Background(RGB(0, 0, 250), RGB(250, 0, 0), 4, 5, 3);
  std::vector<Color> expected = {RGB(0, 0, 250), RGB(0, 0, 250), RGB(50, 0, 200), RGB(100, 0, 150),
                                 RGB(150, 0, 100)};
  EXPECT_EQ(Row(*rightwards, 0), expected);
  EXPECT_EQ(Row(*rightwards, 2), expected);

  // Direction 2 starts at the right edge, one column beyond the picture.
  auto leftwards = Background(Grey(0), Grey(250), 2, 5, 3);
  EXPECT_EQ(Row(*leftwards, 1),
            (std::vector<Color>{Grey(200), Grey(150), Grey(100), Grey(50), Grey(0)}));
}

TEST(GxLineGraphBackground, UnknownDirectionPaintsNothing) {
  for (int32_t direction : {0, 5, -1}) {
    auto graph = std::make_shared<GxLineGraph>();
    graph->SetLegend(0);
    graph->SetBackColor(RGB(255, 0, 0));
    graph->SetBackGradient(Grey(0), Grey(250), direction);
    auto picture = graph->DrawGraph(4, 4);
    EXPECT_TRUE(linegraph_probes::Inked(*picture).empty()) << "direction " << direction;
  }
}

}  // namespace
