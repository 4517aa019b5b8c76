#include "platform/system/print_dialog_qt.h"

#include <QPrintDialog>

#include "platform/printing/printer_setup.h"
#include "platform/printing/printer_setup_data_qt.h"
#include "platform/windows/window_last_worked_in_qt.h"

namespace platform {

bool RunQtPrintDialog(PrinterSetup& setup) {
  QPrintDialog dialog(setup.Data().printer.get(), WindowLastWorkedIn());
  // The job always prints the whole picture or text: there are no pages to choose from.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace platform
