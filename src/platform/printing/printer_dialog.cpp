#include "platform/printing/printer_dialog.h"

#include "platform/core/user_interaction.h"
#include "platform/graphics/graphics.h"
#include "platform/printing/printer_setup.h"
#include "platform/printing/printer_setup_data_qt.h"
#include "platform/printing/printer_surface_qt.h"

namespace platform {

std::shared_ptr<Graphics> OpenPrinterDialog() {
  PrinterSetup setup;
  if (!CurrentUserInteraction().ChoosePrinter(setup)) return nullptr;
  auto surface = std::make_unique<PrinterSurface>(std::move(setup.Data()));
  // A job that cannot start says why as it goes.
  if (!surface->Failure().empty()) return nullptr;
  return std::make_shared<Graphics>(std::move(surface));
}

}  // namespace platform
