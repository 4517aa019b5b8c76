#include "platform/printing/printer_setup.h"

#include <QPageSize>
#include <QString>

#include "platform/printing/printer_setup_data_qt.h"

namespace platform {

PrinterSetup::PrinterSetup() : data_(std::make_unique<PrinterSetupData>()) {}

PrinterSetup::~PrinterSetup() = default;

void PrinterSetup::PrintToPdfFile(const std::string& path, Paper paper, Orientation orientation) {
  QPrinter& printer = *data_->printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  data_->chosenPrinter.clear();
  const QPageSize::PageSizeId sizes[] = {QPageSize::Letter, QPageSize::A4, QPageSize::A5};
  printer.setPageSize(QPageSize(sizes[static_cast<int>(paper)]));
  printer.setPageOrientation(orientation == Orientation::kLandscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
}

void PrinterSetup::PrintOn(const std::string& printerName) {
  QPrinter& printer = *data_->printer;
  data_->chosenPrinter = QString::fromStdString(printerName);
  printer.setOutputFileName(QString());
  printer.setOutputFormat(QPrinter::NativeFormat);
  printer.setPrinterName(data_->chosenPrinter);
}

void PrinterSetup::PrintPages(int32_t first, int32_t last) {
  data_->printer->setPrintRange(QPrinter::PageRange);
  data_->printer->setFromTo(first, last);
}

void PrinterSetup::PrintInGrayscale() {
  data_->printer->setColorMode(QPrinter::GrayScale);
}

}  // namespace platform
