#include "platform/printer_dialog.h"

#include "platform/graphics.h"
#include "platform/printer_setup.h"
#include "platform/printer_setup_data.h"
#include "platform/printer_surface.h"
#include "platform/user_interaction.h"

namespace platform {

std::shared_ptr<Graphics> OpenPrinterDialog() {
  PrinterSetup setup;
  if (!CurrentUserInteraction().ChoosePrinter(setup)) return nullptr;
  auto surface = std::make_unique<PrinterSurface>(std::move(setup.Data().printer));
  if (!surface->Failure().empty()) {
    MsgBox(surface->Failure());
    return nullptr;
  }
  return std::make_shared<Graphics>(std::move(surface));
}

}  // namespace platform
