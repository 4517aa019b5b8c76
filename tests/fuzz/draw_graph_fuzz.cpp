// The line graph with any settings and points, non-finite and enormous values and mark counts
// included: DrawGraph always gives a picture of the asked size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz/fuzz_input.h"
#include "linegraph/gx_line_graph.h"
#include "platform/system/runtime.h"

namespace {

// Mostly small counts: a graph with thousands of marks takes long to draw, and most of what is
// worth trying lies in the small ones. A leading 255 asks for any Int32.
int32_t AnyCount(fuzzing::FuzzInput& input) {
  const uint8_t small = input.Byte();
  return small == 255 ? input.Int32() : small;
}

platform::Color AnyColor(fuzzing::FuzzInput& input) {
  const uint8_t red = input.Byte();
  const uint8_t green = input.Byte();
  return platform::RGB(red, green, input.Byte());
}

// The two values in reading order.
struct Pair {
  double first, second;
};
Pair AnyPair(fuzzing::FuzzInput& input) {
  const double first = input.Double();
  return {first, input.Double()};
}

// Kept for the whole run: the application object holds on to them.
int applicationArgc = 1;
char applicationName[] = "draw_graph_fuzz";
char* applicationArgv[] = {applicationName, nullptr};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  platform::RuntimeInit(applicationArgc, applicationArgv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::FuzzInput input(data, size);
  auto graph = std::make_shared<corvane::GxLineGraph>();
  // Each setting is changed or left at its default as the input says.
  if (input.Flag()) {
    const Pair range = AnyPair(input);
    graph->SetXRange(range.first, range.second);
  }
  if (input.Flag()) {
    const Pair range = AnyPair(input);
    graph->SetYRange(range.first, range.second);
  }
  if (input.Flag()) graph->SetXMarks(AnyCount(input));
  if (input.Flag()) graph->SetYMarks(AnyCount(input));
  if (input.Flag()) graph->SetPointRadius(AnyCount(input));
  if (input.Flag()) graph->SetLegend(input.Int32());
  if (input.Flag()) {
    const bool xLines = input.Flag();
    graph->SetGridLines(xLines, input.Flag());
  }
  if (input.Flag()) graph->SetLabelAxes(input.Flag());
  if (input.Flag()) graph->SetLabelXVals(input.Flag());
  if (input.Flag()) graph->SetLabelYVals(input.Flag());
  if (input.Flag()) {
    const std::string xTitle = input.Text(40);
    graph->SetAxisLabels(xTitle, input.Text(40));
  }
  if (input.Flag()) {
    const std::string xFormat = input.Text(40);
    graph->SetNumberFormats(xFormat, input.Text(40));
  }
  if (input.Flag()) graph->SetBackColor(AnyColor(input));
  if (input.Flag()) {
    const platform::Color top = AnyColor(input);
    const platform::Color bottom = AnyColor(input);
    graph->SetBackGradient(top, bottom, input.Int32());
  }
  const uint32_t lines = input.Upto(4);
  for (uint32_t line = 0; line < lines; ++line) {
    const std::string label = input.Text(24);
    graph->NewLine(label, AnyColor(input));
    const uint32_t points = input.Upto(16);
    for (uint32_t point = 0; point < points; ++point) {
      const Pair xy = AnyPair(input);
      graph->NewPoint(static_cast<int32_t>(line), xy.first, xy.second);
    }
  }
  // Pictures stay small: the size is not what is under test, and a large one only slows the run.
  const auto width = static_cast<int32_t>(input.Upto(400));
  const auto height = static_cast<int32_t>(input.Upto(300));
  try {
    std::shared_ptr<platform::Picture> picture = graph->DrawGraph(width, height);
    // A picture without area is an empty one.
    const bool empty = width == 0 || height == 0;
    fuzzing::Require(picture && picture->Width() == (empty ? 0 : width) &&
                         picture->Height() == (empty ? 0 : height),
                     "DrawGraph gives a picture of the asked size");
  } catch (const platform::RuntimeException&) {
    // The framework's own exceptions are answers; anything else ends the run as a finding.
  }
  return 0;
}
