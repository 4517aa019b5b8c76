#include "platform/printing/printer_surface_qt.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/core/user_interaction.h"

namespace platform {
namespace {

// What the free area keeps at the least from the paper's edges where it has to be made smaller to
// fit: a quarter inch, within what printers can reach.
constexpr double kLeastMargin = 18.0;

// How much the free area is made smaller so that it lands whole on the paper: not at all on Letter
// and A4 upright, uniformly on landscape and smaller papers.
double FitOnPaper(const QRectF& paper) {
  double across = (paper.width() - 2 * kLeastMargin) / PrinterSurface::kPrintableWidth;
  double down = (paper.height() - 2 * kLeastMargin) / PrinterSurface::kPrintableHeight;
  return std::clamp(std::min(across, down), 0.01, 1.0);
}

}  // namespace

PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  device_ = printer_.get();
  if (printer_->outputFormat() == QPrinter::PdfFormat) {
    file_ = std::make_unique<FileReplacement>(printer_->outputFileName().toStdString());
    if (!file_->Failure().empty()) {
      failure_ = FailureMessage(file_->Failure());
      return;
    }
    documentBuffer_.open(QIODevice::WriteOnly);
    pdfWriter_ = std::make_unique<QPdfWriter>(&documentBuffer_);
    pdfWriter_->setPageLayout(printer_->pageLayout());
    pdfWriter_->setResolution(printer_->resolution());
    pdfWriter_->setPdfVersion(printer_->pdfVersion());
    pdfWriter_->setTitle(printer_->docName());
    pdfWriter_->setCreator(printer_->creator());
    device_ = pdfWriter_.get();
  }
  QRectF paper = device_->pageLayout().fullRect(QPageLayout::Point);
  double fit = FitOnPaper(paper);
  // The free area, centred; paper it does not fit gets it made smaller, with a margin all round.
  double side = std::max(0.0, (paper.width() - kPrintableWidth * fit) / 2.0);
  double topAndBottom = std::max(0.0, (paper.height() - kPrintableHeight * fit) / 2.0);
  device_->setPageMargins(QMarginsF(side, topAndBottom, side, topAndBottom), QPageLayout::Point);
  // Drawing may go on past the free area into the right and bottom margins, up to the paper's
  // edges, so that a picture placed a little to the right still prints whole.
  width_ = static_cast<int64_t>(std::floor((paper.width() - side) / fit));
  height_ = static_cast<int64_t>(std::floor((paper.height() - topAndBottom) / fit));
  if (!painter_.begin(device_)) {
    failure_ = FailureMessage("");
    return;
  }
  // The PDF engine would otherwise store pictures as JPEG and blur a plot's lines and labels.
  painter_.setRenderHint(QPainter::LosslessImageRendering);
  double devicePerUnit = device_->logicalDpiX() / 72.0 * fit;
  painter_.scale(devicePerUnit, devicePerUnit);
}

PrinterSurface::~PrinterSurface() {
  std::string failure = End();
  if (failure.empty()) return;
  try {
    MsgBox(failure);
  } catch (...) {
    // The job is over either way; a message that cannot be shown must not end the program.
  }
}

std::string PrinterSurface::End() {
  if (!painter_.isActive()) return "";
  const bool ended = painter_.end();
  if (!file_) {
    return ended && printer_->printerState() != QPrinter::Error ? "" : FailureMessage("");
  }
  if (!ended) return FailureMessage("");
  std::string reason =
      file_->Commit(std::string_view(document_.constData(), static_cast<size_t>(document_.size())));
  return reason.empty() ? "" : FailureMessage(reason);
}

std::string PrinterSurface::FailureMessage(const std::string& reason) const {
  if (!file_) {
    return "Could not print: the printer \"" + printer_->printerName().toStdString() +
           "\" cannot be reached.";
  }
  return "Could not print: the file \"" + printer_->outputFileName().toStdString() +
         "\" could not be written" + (reason.empty() ? "" : ": " + reason) + ".";
}

void PrinterSurface::Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, QRgb pixel) {
  painter_.fillRect(QRectF(static_cast<double>(left), static_cast<double>(top),
                           static_cast<double>(right - left), static_cast<double>(bottom - top)),
                    QColor::fromRgb(pixel));
}

void PrinterSurface::Paint(const std::function<void(QPainter&)>& draw) {
  painter_.save();
  draw(painter_);
  painter_.restore();
}

void PrinterSurface::NextPage() {
  device_->newPage();
}

}  // namespace platform
