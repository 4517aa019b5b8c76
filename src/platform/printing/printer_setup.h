#pragma once

#include <memory>
#include <string>

namespace platform {

struct PrinterSetupData;

// What the print dialog chooses: the printer or a PDF file, and the paper. OpenPrinterDialog makes
// one and hands it to the user-interaction provider, which fills it in.
class PrinterSetup {
 public:
  enum class Paper { kLetter, kA4, kA5 };
  enum class Orientation { kPortrait, kLandscape };

  PrinterSetup();
  ~PrinterSetup();
  PrinterSetup(const PrinterSetup&) = delete;
  PrinterSetup& operator=(const PrinterSetup&) = delete;

  // Prints into a PDF file on that paper instead of on a printer, as the dialog's "print to file".
  void PrintToPdfFile(const std::string& path, Paper paper,
                      Orientation orientation = Orientation::kPortrait);

  PrinterSetupData& Data() { return *data_; }

 private:
  std::unique_ptr<PrinterSetupData> data_;
};

}  // namespace platform
