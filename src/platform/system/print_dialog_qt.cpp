#include "platform/qt_print_dialog.h"

#include <QApplication>
#include <QPrintDialog>

#include "platform/printer_setup.h"
#include "platform/printer_setup_data.h"

namespace platform {

bool RunQtPrintDialog(PrinterSetup& setup) {
  QPrintDialog dialog(setup.Data().printer.get(), QApplication::activeWindow());
  // The job always prints the whole picture or text: there are no pages to choose from.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace platform
