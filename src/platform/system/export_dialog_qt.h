#pragma once

// Inside the framework only: the real picture-export dialog of the Qt provider.
namespace platform {

struct ExportChoice;

// Shows the desktop's save dialog with the export formats; false when the user cancels.
bool RunQtExportDialog(ExportChoice& choice);

}  // namespace platform
