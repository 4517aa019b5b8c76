#include "shared/text_printing.h"

#include "platform/core/exceptions.h"
#include "platform/graphics/graphics.h"
#include "platform/printing/printer_dialog.h"
#include "platform/text_area/styled_text_printer.h"

namespace corvane {

void PrintStyledText(const std::shared_ptr<platform::TextArea>& area) {
  std::shared_ptr<platform::Graphics> graphics = platform::OpenPrinterDialog();
  if (!graphics) return;
  std::shared_ptr<platform::StyledTextPrinter> printer =
      platform::NotNil(area).styledTextPrinter(graphics, kPrintedTextWidth);
  PrintBlocks(*printer, *graphics);
}

}  // namespace corvane
