#include "platform/printing/printer_dialog.h"

#include <QString>
#include <string>

#include "platform/core/user_interaction.h"
#include "platform/graphics/graphics.h"
#include "platform/printing/printer_setup.h"
#include "platform/printing/printer_setup_data_qt.h"
#include "platform/printing/printer_surface_qt.h"

namespace platform {
namespace {

std::string FailureMessage(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    return "Could not print: the file \"" + printer.outputFileName().toStdString() +
           "\" cannot be written.";
  }
  return "Could not print: the printer \"" + printer.printerName().toStdString() +
         "\" cannot be reached.";
}

}  // namespace

std::shared_ptr<Graphics> OpenPrinterDialog() {
  PrinterSetup setup;
  if (!CurrentUserInteraction().ChoosePrinter(setup)) return nullptr;
  std::string failure = FailureMessage(*setup.Data().printer);
  auto surface = std::make_unique<PrinterSurface>(std::move(setup.Data().printer));
  if (!surface->Active()) {
    MsgBox(failure);
    return nullptr;
  }
  return std::make_shared<Graphics>(std::move(surface));
}

}  // namespace platform
