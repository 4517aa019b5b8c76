#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

struct PrinterSetupData;

// What the print dialog chooses: the printer or a PDF file, the paper, the pages and the colours.
// OpenPrinterDialog makes one and hands it to the user-interaction provider, which fills it in.
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
  // Prints on the printer of that name, as picked from the dialog's list of printers.
  void PrintOn(const std::string& printerName);
  // Prints only the job's pages first to last, counted from 1, as the dialog's "Pages from".
  void PrintPages(int32_t first, int32_t last);
  // Prints in shades of gray, as the dialog's colour mode "Grayscale".
  void PrintInGrayscale();

  PrinterSetupData& Data() { return *data_; }

 private:
  std::unique_ptr<PrinterSetupData> data_;
};

}  // namespace platform
