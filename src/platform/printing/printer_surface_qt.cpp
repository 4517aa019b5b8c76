#include "platform/printing/printer_surface_qt.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace platform {

PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Point);
  // Paper smaller than the free area keeps no margin and offers what it has.
  double side = std::max(0.0, (paper.width() - kPrintableWidth) / 2.0);
  double topAndBottom = std::max(0.0, (paper.height() - kPrintableHeight) / 2.0);
  printer_->setPageMargins(QMarginsF(side, topAndBottom, side, topAndBottom), QPageLayout::Point);
  // Drawing may go on past the free area into the right and bottom margins, up to the paper's
  // edges, so that a picture placed a little to the right still prints whole.
  width_ = static_cast<int64_t>(std::floor(paper.width() - side));
  height_ = static_cast<int64_t>(std::floor(paper.height() - topAndBottom));
  if (!painter_.begin(printer_.get())) return;
  double devicePerPoint = printer_->resolution() / 72.0;
  painter_.scale(devicePerPoint, devicePerPoint);
}

PrinterSurface::~PrinterSurface() {
  if (painter_.isActive()) painter_.end();
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
  printer_->newPage();
}

}  // namespace platform
