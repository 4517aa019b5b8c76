#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "analysis/control_wnd.h"
#include "platform/core/user_interaction.h"
#include "platform/system/runtime.h"
#include "platform/testing/user_simulation.h"
#include "platform/text_area/text_area.h"
#include "startup/startup.h"

namespace {

constexpr int32_t kBound = platform::TextArea::kMostCharactersAfterPaste;

// Answers nothing: the refusal's message box would wait for a person.
class SilentUser : public platform::UserInteraction {
 public:
  void ShowMessage(const std::string& /*text*/) override {}
  int32_t AskQuestion(const std::string& /*prompt*/, int32_t /*buttons*/,
                      const std::string& /*title*/) override {
    return platform::kMsgBoxNo;
  }
  void Beep() override {}
  bool ChoosePrinter(platform::PrinterSetup& /*setup*/) override { return false; }
  bool ChooseExportFile(platform::ExportChoice& /*choice*/) override { return false; }
};

// From Ctrl+V in the empty Eigenvalues field to the field laid out again, holding `kept`
// characters.
void Paste(benchmark::State& state, const std::string& text, size_t kept) {
  auto field = corvane::ControlWnd::Instance()->EigenFld();
  for (auto _ : state) {
    field->SetText("");
    platform::ProcessPendingEvents();
    const auto start = std::chrono::steady_clock::now();
    platform::PasteText(field, text);
    platform::ProcessPendingEvents();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    if (field->Text().size() != kept) state.SkipWithError("the paste was not answered as expected");
  }
}

// The slowest text the field takes: Qt's layout of one line grows with the square of its length.
void BM_PasteOneLineAtTheBound(benchmark::State& state) {
  Paste(state, std::string(kBound, '7'), kBound);
}
BENCHMARK(BM_PasteOneLineAtTheBound)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PasteShortLinesAtTheBound(benchmark::State& state) {
  std::string text;
  for (int32_t i = 0; i < kBound / 4; ++i) text += "0.2\n";
  Paste(state, text, kBound);
}
BENCHMARK(BM_PasteShortLinesAtTheBound)->UseManualTime()->Unit(benchmark::kMillisecond);

// A line of 1,048,576 digits, which held the window for a minute before it was refused.
void BM_RefuseAMillionDigitLine(benchmark::State& state) {
  Paste(state, std::string(1 << 20, '7'), 0);
}
BENCHMARK(BM_RefuseAMillionDigitLine)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  platform::RuntimeInit(argc, argv);
  corvane::Initialize();
  platform::SetUserInteraction(std::make_shared<SilentUser>());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  platform::SetUserInteraction(nullptr);
  corvane::Finalize();
  return platform::RuntimeExit();
}
