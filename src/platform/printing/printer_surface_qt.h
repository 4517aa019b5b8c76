#pragma once

// Inside the framework only: a printer's pages as a drawing surface, one point (1/72 inch) per
// unit, the origin at the top-left of the free area. What is drawn left of or above the origin is
// cut; to the right and below it reaches the paper's edges.
#include <QPageRanges>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/file_replacement.h"
#include "platform/graphics/drawing_surface_qt.h"
#include "platform/printing/printer_setup_data_qt.h"

namespace platform {

// The message for a PDF file that could not be written, with the system's reason where there is
// one.
std::string CouldNotWriteMessage(const std::string& path, const std::string& reason);

class PrinterSurface : public DrawingSurface {
 public:
  // The free area every page leaves, in units, on any paper.
  static constexpr int64_t kPrintableWidth = 540;
  static constexpr int64_t kPrintableHeight = 720;

  // Places the free area on the chosen paper and starts the job; Failure() says why when it could
  // not be started. Pages are counted from 1 as they are drawn, and only those in the chosen range
  // reach the paper: the others are drawn on nothing.
  explicit PrinterSurface(PrinterSetupData setup);
  // Ends the job, which sends it to the printer or writes the file; a job that did not end well,
  // or whose range held none of its pages, says so in a message.
  ~PrinterSurface() override;

  const std::string& Failure() const { return failure_; }

  int64_t Width() const override { return width_; }
  int64_t Height() const override { return height_; }
  void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, QRgb pixel) override;
  void Paint(const std::function<void(QPainter&)>& draw) override;
  void NextPage() override;

 private:
  bool OnChosenPage() const;
  // Begins the job at its first chosen page, so that a range of later pages leaves no blank ones.
  void Start();
  // The message for a range that held none of the job's pages.
  std::string NothingPrinted() const;
  // The message for a job that failed, with the system's reason where there is one.
  std::string FailureMessage(const std::string& reason) const;
  // "" when the job was printed or written whole, else the message saying why not.
  std::string End();

  std::unique_ptr<QPrinter> printer_;
  QString chosenPrinter_;
  // A PDF file is written beside the one it replaces and moved into place only when whole, so
  // that a file that cannot be written whole leaves the one before it in place.
  std::string outputPath_;
  std::unique_ptr<FileReplacement> file_;
  QPainter painter_;
  QPageRanges chosenPages_;  // empty: all of them
  int32_t page_ = 1;
  bool started_ = false;
  double devicePerUnit_ = 1.0;
  int64_t width_ = 0;
  int64_t height_ = 0;
  std::string failure_;
};

}  // namespace platform
