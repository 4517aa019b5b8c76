#pragma once

// Inside the framework only: what a PrinterSetup holds.
#include <QPrinter>
#include <QString>
#include <memory>

namespace platform {

struct PrinterSetupData {
  std::unique_ptr<QPrinter> printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // The printer the person picked, "" for a PDF file. The QPrinter keeps its earlier printer when
  // asked for one it does not know, so only this tells that the job would go astray.
  QString chosenPrinter;
};

}  // namespace platform
