#pragma once

// Inside the framework only: the Qt widget of a TextArea.
#include <QTextEdit>
#include <cstdint>
#include <memory>

#include "platform/controls/control_data_qt.h"

namespace platform {

// Runs every typed key past the TextArea's KeyDown event before the text sees it, and holds the
// typing rules that Qt does not have: the character limit, single-line areas, and pasting as
// plain text, refused whole when it does not fit the limit.
class TextAreaWidget : public QTextEdit {
 public:
  explicit TextAreaWidget(std::shared_ptr<ControlLink> link);

  int32_t limitText = 0;
  bool multiline = true;
  bool acceptTabs = false;
  bool hideSelection = false;  // the selection shows only while the area has the focus

  // The document's text as Qt stores it: a paragraph separator (U+2029) between lines.
  QString RawText() const;

 protected:
  bool event(QEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // True when the key was dealt with here and must not reach QTextEdit.
  bool HandleKeyPress(QKeyEvent& event);
  void InsertLineBreak();
  // The characters that stay when the selection is replaced.
  int32_t KeptCharacters() const;
  // How many characters the user may still put in place of the selection.
  int32_t Room() const;

  std::shared_ptr<ControlLink> link_;
};

// Characters (code points) in a Qt string.
int32_t CharacterCount(const QString& text);
// The Qt string index of the character at `characters` (clamped to the string).
int32_t IndexOfCharacter(const QString& text, int32_t characters);
// Replaces every line ending (CR LF, CR, LF, Unicode line and paragraph separators) by `ending`.
QString WithLineBreaks(const QString& text, const QString& ending);

}  // namespace platform
