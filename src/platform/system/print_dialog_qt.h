#pragma once

// Inside the framework only: the real print dialog of the Qt provider.
namespace platform {

class PrinterSetup;

// Shows the desktop's print dialog on the setup's printer; false when the user cancels.
bool RunQtPrintDialog(PrinterSetup& setup);

}  // namespace platform
