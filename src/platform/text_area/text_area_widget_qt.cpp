#include "platform/text_area/text_area_widget_qt.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/controls/key_translation_qt.h"
#include "platform/core/user_interaction.h"
#include "platform/text_area/text_area.h"

namespace platform {

int32_t CharacterCount(const QString& text) {
  int32_t count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!text.at(i).isLowSurrogate()) ++count;
  }
  return count;
}

int32_t IndexOfCharacter(const QString& text, int32_t characters) {
  int32_t seen = 0;
  qsizetype index = 0;
  while (index < text.size() && seen < characters) {
    index += (text.at(index).isHighSurrogate() && index + 1 < text.size()) ? 2 : 1;
    ++seen;
  }
  return static_cast<int32_t>(index);
}

QString WithLineBreaks(const QString& text, const QString& ending) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text.at(i);
    if (c == u'\r') {
      if (i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
      result += ending;
    } else if (c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
      result += ending;
    } else {
      result += c;
    }
  }
  return result;
}

namespace {

QString WithoutBlanksAround(const QString& text) {
  auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; };
  qsizetype first = 0;
  qsizetype end = text.size();
  while (first < end && isBlank(text.at(first))) ++first;
  while (end > first && isBlank(text.at(end - 1))) --end;
  return text.mid(first, end - first);
}

}  // namespace

TextAreaWidget::TextAreaWidget(std::shared_ptr<ControlLink> link) : link_(std::move(link)) {
  setAcceptRichText(false);
  setTabChangesFocus(true);
  // Qt's default inset is made for large editors; the program's one-line fields are 20 pixels high.
  document()->setDocumentMargin(2);
}

QString TextAreaWidget::RawText() const {
  return document()->toRawText();
}

bool TextAreaWidget::event(QEvent* event) {
  // Here rather than in keyPressEvent: Tab moves the focus before keyPressEvent would see it.
  if (event->type() == QEvent::KeyPress && HandleKeyPress(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QTextEdit::event(event);
}

bool TextAreaWidget::HandleKeyPress(QKeyEvent& event) {
  std::string key = KeyDownText(event);
  if (key.empty()) {
    // A character typed with Alt or Meta held would go in without passing KeyDown, so a key
    // filter could be walked round; such keys are shortcuts here, never text.
    const bool printable = !event.text().isEmpty() && event.text().at(0).isPrint();
    if (printable && (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
      event.accept();
      return true;
    }
    return false;
  }
  auto* owner = static_cast<TextArea*>(link_->control);
  if (owner && owner->RaiseKeyDown(key)) {
    event.accept();
    return true;
  }
  if (key == "\r") {
    InsertLineBreak();
    event.accept();
    return true;
  }
  if (key == "\t" && !acceptTabs) return false;  // QTextEdit moves the focus
  if (key == "\b" || key == "\x7F" || key == "\x1B" || isReadOnly()) return false;
  if (CharacterCount(event.text()) > Room()) {
    event.accept();  // past the limit: the key is dropped
    return true;
  }
  return false;
}

void TextAreaWidget::inputMethodEvent(QInputMethodEvent* event) {
  auto* owner = static_cast<TextArea*>(link_->control);
  if (event->commitString().isEmpty() || !owner) {
    QTextEdit::inputMethodEvent(event);
    return;
  }
  // Composed characters (dead keys, input methods) are typed keys too: each passes KeyDown, and
  // what passes is cut to the room LimitText leaves.
  QString accepted;
  for (char32_t character : event->commitString().toUcs4()) {
    QString text = QString::fromUcs4(&character, 1);
    if (!owner->RaiseKeyDown(text.toStdString())) accepted += text;
  }
  accepted = accepted.left(IndexOfCharacter(accepted, std::max(0, Room())));
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
  QTextEdit::inputMethodEvent(&filtered);
}

void TextAreaWidget::InsertLineBreak() {
  if (isReadOnly() || !multiline || Room() < 1) return;
  textCursor().insertText(QStringLiteral("\n"));
  ensureCursorVisible();
}

int32_t TextAreaWidget::KeptCharacters() const {
  return CharacterCount(RawText()) - CharacterCount(textCursor().selectedText());
}

int32_t TextAreaWidget::Room() const {
  if (limitText <= 0) return std::numeric_limits<int32_t>::max();
  return std::max(0, limitText - KeptCharacters());
}

void TextAreaWidget::insertFromMimeData(const QMimeData* source) {
  if (isReadOnly() || !source || !source->hasText()) return;
  QString text = WithLineBreaks(source->text(), QStringLiteral("\n"));
  if (!multiline) text = text.section(u'\n', 0, 0);
  // A field with a limit holds one short value, and a copied cell brings a line ending or blanks
  // with it.
  if (limitText > 0) text = WithoutBlanksAround(text);
  if (text.isEmpty()) return;
  // Whole or not at all: cut to the limit, "123" pasted into a field of two characters would
  // stand as "12" without a word, and be taken for what the person meant.
  if (CharacterCount(text) > Room()) {
    Beep();
    return;
  }
  if (int64_t{KeptCharacters()} + CharacterCount(text) > TextArea::kMostCharactersAfterPaste) {
    MsgBox("This text is too long to paste: a field holds at most " +
           std::to_string(TextArea::kMostCharactersAfterPaste) + " characters.");
    return;
  }
  textCursor().insertText(text);
  ensureCursorVisible();
}

}  // namespace platform
