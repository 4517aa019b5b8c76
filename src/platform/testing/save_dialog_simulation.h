#pragma once

#include <optional>
#include <string>
#include <vector>

// Reads and fills in the desktop's own save dialog (the Qt provider's), as a person would; run
// from the event loop while the dialog waits (RunFromEventLoop).
namespace platform {

struct SaveDialogView {
  std::string title;
  std::string name;                // as its file name field shows it
  std::string type;                // the entry its type list shows
  std::vector<std::string> types;  // every entry of the type list, in order
};

// The save dialog in front, or nothing when none is shown.
std::optional<SaveDialogView> FrontSaveDialog();

// Picks the first entry of the type list that begins with `type`, then types `name` over the
// file name field and presses Save. False, and the dialog cancelled so that no test waits on it,
// when there is no such entry or Save cannot be pressed; false when no save dialog is in front.
bool FillInSaveDialog(const std::string& type, const std::string& name);

// Presses Cancel; false when no save dialog is in front.
bool CancelSaveDialog();

}  // namespace platform
