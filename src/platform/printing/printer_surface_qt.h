#pragma once

// Inside the framework only: a printer's pages as a drawing surface, one point (1/72 inch) per
// unit, the origin at the top-left of the printable area. What is drawn left of or above the
// origin is cut; to the right and below it reaches the paper's edges.
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/graphics/drawing_surface_qt.h"

namespace platform {

class PrinterSurface : public DrawingSurface {
 public:
  // The free area every page leaves, in points, on Letter as on A4.
  static constexpr int64_t kPrintableWidth = 540;
  static constexpr int64_t kPrintableHeight = 720;

  // Sets the margins so that the printable area is the free area, centred on the paper, and starts
  // the job's first page; Active() tells whether it could be started.
  explicit PrinterSurface(std::unique_ptr<QPrinter> printer);
  // Ends the job, which sends it to the printer or writes the file.
  ~PrinterSurface() override;

  bool Active() const { return painter_.isActive(); }

  int64_t Width() const override { return width_; }
  int64_t Height() const override { return height_; }
  void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, QRgb pixel) override;
  void Paint(const std::function<void(QPainter&)>& draw) override;
  void NextPage() override;

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  int64_t width_ = 0;
  int64_t height_ = 0;
};

}  // namespace platform
