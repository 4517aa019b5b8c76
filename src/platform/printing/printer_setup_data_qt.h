#pragma once

// Inside the framework only: what a PrinterSetup holds.
#include <QPrinter>
#include <memory>

namespace platform {

struct PrinterSetupData {
  std::unique_ptr<QPrinter> printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
};

}  // namespace platform
