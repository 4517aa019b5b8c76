#pragma once

#include <cstdint>
#include <memory>

#include "platform/core/background_task.h"
#include "platform/text_area/text_area.h"

namespace corvane {

// One block per page, at the page's origin: the free area of a printed page.
inline constexpr int32_t kPrintedTextWidth = 540;
inline constexpr int32_t kPrintedBlockHeight = 720;

// Pours the printer's text onto the pages block by block: a new page only while text remains, so
// a text of k blocks fills k pages and leaves no blank one behind.
template <class TextPrinter, class Pages>
void PrintBlocks(TextPrinter& printer, Pages& pages) {
  while (!printer.Eof()) {
    printer.DrawBlock(0, 0, kPrintedBlockHeight);
    if (!printer.Eof()) pages.NextPage();
    platform::RuntimeBackgroundTask();
  }
}

// Prints the whole text of the area, with its own fonts and styles, after the print dialog. Adds
// nothing of its own: no header, footer, title or margin. A cancelled dialog prints nothing and
// says nothing. The area is left as it was.
void PrintStyledText(const std::shared_ptr<platform::TextArea>& area);

}  // namespace corvane
