#include "platform/printing/printer_setup.h"

#include <QPageSize>
#include <QString>

#include "platform/printing/printer_setup_data_qt.h"

namespace platform {

PrinterSetup::PrinterSetup() : data_(std::make_unique<PrinterSetupData>()) {}

PrinterSetup::~PrinterSetup() = default;

void PrinterSetup::PrintToPdfFile(const std::string& path, Paper paper) {
  QPrinter& printer = *data_->printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPageSize(QPageSize(paper == Paper::kA4 ? QPageSize::A4 : QPageSize::Letter));
}

}  // namespace platform
