#pragma once

// Inside the framework only: the Edit menu's standard items, carried out by the framework itself
// on the text area that has the focus in a window, so programs need no handlers for them.
#include <QWidget>
#include <string>

namespace platform {

// True for EditUndo, EditCut, EditCopy, EditPaste and EditClear.
bool IsStandardEditItem(const std::string& itemName);

// Whether the command applies now to the window's focused text area: undo available, a selection
// to cut, copy or clear, text on the clipboard to paste. False without a focused text area.
bool StandardEditCommandApplies(QWidget* window, const std::string& itemName);

// Carries the command out on the window's focused text area; false when it does not apply.
bool CarryOutStandardEditCommand(QWidget* window, const std::string& itemName);

}  // namespace platform
