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

std::string Pages(int32_t count) {
  return std::to_string(count) + (count == 1 ? " page" : " pages");
}

}  // namespace

std::string CouldNotWriteMessage(const std::string& path, const std::string& reason) {
  return "Could not print: the file \"" + path + "\" could not be written" +
         (reason.empty() ? "" : ": " + reason) + ".";
}

PrinterSurface::PrinterSurface(PrinterSetupData setup)
    : printer_(std::move(setup.printer)), chosenPrinter_(std::move(setup.chosenPrinter)) {
  if (printer_->printRange() == QPrinter::PageRange) chosenPages_ = printer_->pageRanges();
  if (!chosenPrinter_.isEmpty()) {
    // Asked for a printer it does not know, the QPrinter keeps whatever it had before.
    if (printer_->outputFormat() != QPrinter::NativeFormat ||
        printer_->printerName() != chosenPrinter_) {
      failure_ = FailureMessage("");
      return;
    }
  } else {
    outputPath_ = printer_->outputFileName().toStdString();
    file_ = std::make_unique<FileReplacement>(outputPath_);
    if (!file_->Failure().empty()) {
      failure_ = FailureMessage(file_->Failure());
      return;
    }
    // The printer's own PDF engine, unlike a PDF writer, honours the chosen colour mode; it takes
    // only a name, and one that leads to the file made, whatever becomes of that file's name.
    printer_->setOutputFileName(QString::fromStdString(file_->DescriptorPath()));
  }
  QRectF paper = printer_->pageLayout().fullRect(QPageLayout::Point);
  double fit = FitOnPaper(paper);
  // The free area, centred; paper it does not fit gets it made smaller, with a margin all round.
  double side = std::max(0.0, (paper.width() - kPrintableWidth * fit) / 2.0);
  double topAndBottom = std::max(0.0, (paper.height() - kPrintableHeight * fit) / 2.0);
  printer_->setPageMargins(QMarginsF(side, topAndBottom, side, topAndBottom), QPageLayout::Point);
  // Drawing may go on past the free area into the right and bottom margins, up to the paper's
  // edges, so that a picture placed a little to the right still prints whole.
  width_ = static_cast<int64_t>(std::floor((paper.width() - side) / fit));
  height_ = static_cast<int64_t>(std::floor((paper.height() - topAndBottom) / fit));
  devicePerUnit_ = printer_->logicalDpiX() / 72.0 * fit;
  if (OnChosenPage()) Start();
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

bool PrinterSurface::OnChosenPage() const {
  return chosenPages_.isEmpty() || chosenPages_.contains(page_);
}

void PrinterSurface::Start() {
  started_ = true;
  if (!painter_.begin(printer_.get())) {
    failure_ = FailureMessage("");
    return;
  }
  // The PDF engine would otherwise store pictures as JPEG and blur a plot's lines and labels.
  painter_.setRenderHint(QPainter::LosslessImageRendering);
  painter_.scale(devicePerUnit_, devicePerUnit_);
}

std::string PrinterSurface::End() {
  if (painter_.isActive() && !painter_.end() && failure_.empty()) failure_ = FailureMessage("");
  if (!failure_.empty()) return failure_;
  if (!started_) return NothingPrinted();
  if (!file_) return printer_->printerState() == QPrinter::Error ? FailureMessage("") : "";
  // The PDF engine goes on past a write the disk refused without a word, and its file takes no
  // more after that: a full disk shows only as a file whose end is missing.
  std::string reason = file_->EndsWith("%%EOF\n") ? file_->Commit("") : file_->GiveUpShortFile();
  return reason.empty() ? "" : FailureMessage(reason);
}

std::string PrinterSurface::NothingPrinted() const {
  const int32_t first = chosenPages_.firstPage();
  const int32_t last = chosenPages_.lastPage();
  const std::string chosen = first == last ? "page " + std::to_string(first) + " was chosen"
                                           : "pages " + std::to_string(first) + " to " +
                                                 std::to_string(last) + " were chosen";
  return "Nothing was printed: " + chosen + ", but the document has " + Pages(page_) + ".";
}

std::string PrinterSurface::FailureMessage(const std::string& reason) const {
  if (!file_) {
    return "Could not print: the printer \"" + chosenPrinter_.toStdString() +
           "\" cannot be reached.";
  }
  return CouldNotWriteMessage(outputPath_, reason);
}

void PrinterSurface::Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, QRgb pixel) {
  if (!painter_.isActive() || !OnChosenPage()) return;
  painter_.fillRect(QRectF(static_cast<double>(left), static_cast<double>(top),
                           static_cast<double>(right - left), static_cast<double>(bottom - top)),
                    QColor::fromRgb(pixel));
}

void PrinterSurface::Paint(const std::function<void(QPainter&)>& draw) {
  if (!painter_.isActive() || !OnChosenPage()) return;
  painter_.save();
  draw(painter_);
  painter_.restore();
}

void PrinterSurface::NextPage() {
  ++page_;
  if (!OnChosenPage() || !failure_.empty()) return;
  if (!started_) {
    Start();
  } else if (painter_.isActive()) {
    printer_->newPage();
  }
}

}  // namespace platform
