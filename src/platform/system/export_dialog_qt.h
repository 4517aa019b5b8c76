#pragma once

// Inside the framework only: the real picture-export dialog of the Qt provider.
namespace platform {

struct ExportChoice;

// Shows the desktop's save dialog with the export formats and fills in the choice: the file that
// will be written (PathWithFormatExtension of the name typed) and its format, which an extension
// typed names, else the list. An existing file is replaced only once the user says so; No brings
// the dialog back. False when the user cancels.
bool RunQtExportDialog(ExportChoice& choice);

}  // namespace platform
