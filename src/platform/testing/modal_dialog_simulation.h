#pragma once

#include <set>
#include <string>

// Reads and fills in the desktop's own dialogs (those of the Qt provider, such as the print
// dialog) by the names of their controls, for tests of what they offer; run from the event loop
// while the dialog waits (RunFromEventLoop).
namespace platform {

// The controls of the modal dialog in front that a person can change, on the tab in front or on
// another (not those greyed out, hidden or in a part folded away), by their names: the object
// name, else a button's caption; a tab counts as "tab " and its caption. Empty when no dialog is
// in front.
std::set<std::string> FrontDialogChoices();

// Clicks the push button of the front dialog that bears the caption, mnemonic marks left out;
// false when there is none or it is greyed out.
bool PressDialogButton(const std::string& caption);

// Sets the named control of the front dialog as a person would: a line edit or combo box to the
// text, a spin box to the number, a radio button or check box to "on" or "off". False when there
// is no such control or it is greyed out.
bool SetDialogControl(const std::string& name, const std::string& value);

}  // namespace platform
