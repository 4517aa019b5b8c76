#include "platform/controls/key_translation_qt.h"

namespace platform {

std::string KeyDownText(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return "";
  switch (event.key()) {
    case Qt::Key_Backspace:
      return "\b";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Shift+Tab is Tab to a key filter: a field that refuses Tab refuses it too, and one that
      // lets Tab move the focus on lets Shift+Tab move it back.
      return "\t";
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return "\r";
    case Qt::Key_Escape:
      return "\x1B";
    case Qt::Key_Delete:
      return "\x7F";
    default:
      break;
  }
  QString text = event.text();
  // What is left with a control character is a key without a printable meaning here.
  if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F) return "";
  return text.toStdString();
}

}  // namespace platform
