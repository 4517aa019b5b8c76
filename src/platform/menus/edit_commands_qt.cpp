#include "platform/menus/edit_commands_qt.h"

#include <QTextCursor>
#include <QTextEdit>

namespace platform {
namespace {

// Every text area of the framework is a QTextEdit.
QTextEdit* FocusedTextArea(QWidget* window) {
  return window != nullptr ? qobject_cast<QTextEdit*>(window->focusWidget()) : nullptr;
}

bool Applies(const QTextEdit& editor, const std::string& itemName) {
  const bool editable = !editor.isReadOnly();
  const bool hasSelection = editor.textCursor().hasSelection();
  if (itemName == "EditUndo") return editable && editor.document()->isUndoAvailable();
  if (itemName == "EditCut" || itemName == "EditClear") return editable && hasSelection;
  if (itemName == "EditCopy") return hasSelection;
  if (itemName == "EditPaste") return editable && editor.canPaste();
  return false;
}

}  // namespace

bool IsStandardEditItem(const std::string& itemName) {
  return itemName == "EditUndo" || itemName == "EditCut" || itemName == "EditCopy" ||
         itemName == "EditPaste" || itemName == "EditClear";
}

bool StandardEditCommandApplies(QWidget* window, const std::string& itemName) {
  QTextEdit* editor = FocusedTextArea(window);
  return editor != nullptr && Applies(*editor, itemName);
}

bool CarryOutStandardEditCommand(QWidget* window, const std::string& itemName) {
  QTextEdit* editor = FocusedTextArea(window);
  if (editor == nullptr || !Applies(*editor, itemName)) return false;
  if (itemName == "EditUndo") {
    editor->undo();
  } else if (itemName == "EditCut") {
    editor->cut();
  } else if (itemName == "EditCopy") {
    editor->copy();
  } else if (itemName == "EditPaste") {
    // Through the text area's own paste, which keeps its limits and line breaks.
    editor->paste();
  } else {
    QTextCursor cursor = editor->textCursor();
    cursor.removeSelectedText();
    editor->setTextCursor(cursor);
  }
  return true;
}

}  // namespace platform
