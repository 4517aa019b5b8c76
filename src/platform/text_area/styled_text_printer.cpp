#include "platform/text_area/styled_text_printer.h"

#include <QPainter>
#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextLine>
#include <algorithm>
#include <vector>

#include "platform/controls/control_data_qt.h"
#include "platform/core/exceptions.h"
#include "platform/graphics/drawing_surface_qt.h"
#include "platform/graphics/graphics.h"
#include "platform/text_area/text_area.h"
#include "platform/text_area/text_area_widget_qt.h"

namespace platform {

struct StyledTextPrinter::Layout {
  struct Line {
    const QTextLayout* block;  // the paragraph's layout, owned by the document
    int index;                 // within the paragraph
    double top;                // in document units
    double bottom;
  };

  std::unique_ptr<QTextDocument> document;
  QColor textColor;
  std::vector<Line> lines;
  size_t next = 0;
};

StyledTextPrinter::StyledTextPrinter(const TextArea& area, std::shared_ptr<Graphics> graphics,
                                     int32_t width)
    : layout_(std::make_unique<Layout>()), graphics_(std::move(graphics)) {
  NotNil(graphics_);
  const auto& widget = static_cast<const TextAreaWidget&>(area.Data().Widget());
  layout_->textColor = widget.palette().color(QPalette::Text);
  // A copy with the area's formats and default font; the area keeps its own text and selection.
  layout_->document.reset(widget.document()->clone());
  QTextDocument& document = *layout_->document;
  document.setDefaultFont(widget.document()->defaultFont());
  document.setDocumentMargin(0);
  // Glyph advances as designed, not as hinted for the screen, so the lines wrap the same at any
  // printer resolution.
  document.setUseDesignMetrics(true);
  document.setTextWidth(std::max(1, width));
  document.size();  // lays out the whole text now
  // Only the closing paragraph separator every document has: nothing to print.
  if (document.characterCount() <= 1) return;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* paragraph = block.layout();
    const double origin = paragraph->position().y();
    for (int i = 0; i < paragraph->lineCount(); ++i) {
      const QTextLine line = paragraph->lineAt(i);
      layout_->lines.push_back(
          {paragraph, i, origin + line.y(), origin + line.y() + line.height()});
    }
  }
}

StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::DrawBlock(int32_t x, int32_t y, int32_t height) {
  if (Eof()) return;
  const std::vector<Layout::Line>& lines = layout_->lines;
  const size_t first = layout_->next;
  const double top = lines[first].top;
  size_t end = first + 1;  // the first line goes into the block even when it is too tall
  while (end < lines.size() && lines[end].bottom - top <= height) ++end;
  layout_->next = end;

  graphics_->Surface().Paint([&](QPainter& painter) {
    // Only the block's height bounds it; a glyph may lean a little past either side.
    const double width = layout_->document->textWidth();
    painter.setClipRect(QRectF(x - width, y, 3.0 * width, std::max(0, height)), Qt::IntersectClip);
    painter.translate(x, y - top);
    painter.setPen(layout_->textColor);
    for (size_t i = first; i < end; ++i) {
      const Layout::Line& line = lines[i];
      line.block->lineAt(line.index).draw(&painter, line.block->position());
    }
  });
}

bool StyledTextPrinter::Eof() const {
  return layout_->next >= layout_->lines.size();
}

}  // namespace platform
