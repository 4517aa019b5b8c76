#include "analysis/text_printing.h"

#include "platform/exceptions.h"
#include "platform/graphics.h"
#include "platform/printer_dialog.h"
#include "platform/styled_text_printer.h"

namespace corvane {

void PrintStyledText(const std::shared_ptr<platform::TextArea>& area) {
  std::shared_ptr<platform::Graphics> graphics = platform::OpenPrinterDialog();
  if (!graphics) return;
  std::shared_ptr<platform::StyledTextPrinter> printer =
      platform::NotNil(area).styledTextPrinter(graphics, kPrintedTextWidth);
  PrintBlocks(*printer, *graphics);
}

}  // namespace corvane
