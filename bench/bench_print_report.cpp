#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "analysis/control_wnd.h"
#include "platform/core/user_interaction.h"
#include "platform/printing/printer_setup.h"
#include "platform/system/runtime.h"
#include "shared/module1.h"

namespace {

// A print dialog answered at once: every job goes into the same PDF file.
class InstantPdfPrinter : public platform::UserInteraction {
 public:
  explicit InstantPdfPrinter(std::string path) : path_(std::move(path)) {}
  void ShowMessage(const std::string& /*text*/) override {}
  int32_t AskQuestion(const std::string& /*prompt*/, int32_t /*buttons*/,
                      const std::string& /*title*/) override {
    return platform::kMsgBoxNo;
  }
  void Beep() override {}
  bool ChoosePrinter(platform::PrinterSetup& setup) override {
    setup.PrintToPdfFile(path_, platform::PrinterSetup::Paper::kLetter);
    return true;
  }
  bool ChooseExportFile(platform::ExportChoice& /*choice*/) override { return false; }

 private:
  std::string path_;
};

// The Print button with the report of the most variables allowed in the field: the dialog, the
// layout of the report and its two pages written to the file.
void BM_PrintReportOfNinetyNineVariables(benchmark::State& state) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "corvane-bench-report.pdf").string();
  platform::SetUserInteraction(std::make_shared<InstantPdfPrinter>(path));
  corvane::Module1::Initialize();
  auto window = corvane::ControlWnd::Instance();
  std::string eigenvalues;
  for (int i = 99; i >= 1; --i) {
    eigenvalues += std::to_string(i / 10) + "." + std::to_string(i % 10) + "7\r";
  }
  window->NVarsFld()->SetText("99");
  window->EigenFld()->SetText(eigenvalues);
  window->CalculateBtn_Action(window->CalculateBtn());
  for (auto _ : state) window->PrintBtn_Action(window->PrintBtn());
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  window->Hide();
  std::filesystem::remove(path);
  platform::SetUserInteraction(nullptr);
  corvane::Module1::Finalize();
}
BENCHMARK(BM_PrintReportOfNinetyNineVariables)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  platform::RuntimeInit(argc, argv);  // the printer and its fonts need the application object
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return platform::RuntimeExit();
}
