#include "platform/text_area/text_area.h"

#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "platform/controls/control_data_qt.h"
#include "platform/graphics/color_qt.h"
#include "platform/text_area/styled_text_printer.h"
#include "platform/text_area/text_area_widget_qt.h"

namespace platform {
namespace {

TextAreaWidget& WidgetOf(const TextArea& area) {
  return static_cast<TextAreaWidget&>(area.Data().Widget());
}

Qt::Alignment AlignmentFor(int32_t alignment) {
  // 0 (the default) and 1 both start at the left edge; 2 centres; 3 is the right edge.
  switch (alignment) {
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

// Every block, so the lines already there follow the alignment as well as the ones to come.
void AlignAllBlocks(QTextEdit& edit, Qt::Alignment alignment) {
  QTextOption option = edit.document()->defaultTextOption();
  option.setAlignment(alignment);
  edit.document()->setDefaultTextOption(option);
  QTextCursor all(edit.document());
  all.select(QTextCursor::Document);
  QTextBlockFormat format;
  format.setAlignment(alignment);
  all.mergeBlockFormat(format);
}

void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(color));
  widget.setPalette(palette);
}

// A hidden selection is drawn in the area's own colours while the area lacks the focus. Kept in
// step with TextColor and BackColor, which a record may set before or after HideSelection.
void UpdateInactiveSelection(TextAreaWidget& widget) {
  QPalette palette = widget.palette();
  const bool hide = widget.hideSelection;
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Active, hide ? QPalette::Base : QPalette::Highlight));
  palette.setColor(
      QPalette::Inactive, QPalette::HighlightedText,
      palette.color(QPalette::Active, hide ? QPalette::Text : QPalette::HighlightedText));
  widget.setPalette(palette);
}

}  // namespace

TextArea::TextArea() {
  auto* widget = new TextAreaWidget(Data().link);
  Data().widget = widget;
  Data().link->control = this;
  widget->setFrameShape(QFrame::StyledPanel);
  SetScrollbars(false, false);
}

const ClassRecord& TextArea::Lookup() {
  return DeclareClass<TextArea>("TextArea", &RectControl::Lookup);
}

std::string TextArea::Text() const {
  return WithLineBreaks(WidgetOf(*this).RawText(), QStringLiteral("\r")).toStdString();
}

void TextArea::SetText(const std::string& text) {
  TextAreaWidget& widget = WidgetOf(*this);
  widget.setPlainText(WithLineBreaks(QString::fromStdString(text), QStringLiteral("\n")));
  AlignAllBlocks(widget, widget.document()->defaultTextOption().alignment());
  // Text set by code starts a new history: Undo must not offer to undo the alignment.
  widget.document()->clearUndoRedoStacks();
}

int32_t TextArea::SelStart() const {
  const TextAreaWidget& widget = WidgetOf(*this);
  QString raw = widget.RawText();
  return CharacterCount(raw.left(widget.textCursor().selectionStart()));
}

void TextArea::SetSelStart(int32_t start) {
  TextAreaWidget& widget = WidgetOf(*this);
  QTextCursor cursor = widget.textCursor();
  cursor.setPosition(IndexOfCharacter(widget.RawText(), std::max(0, start)));
  widget.setTextCursor(cursor);
}

int32_t TextArea::SelLength() const {
  return CharacterCount(WidgetOf(*this).textCursor().selectedText());
}

void TextArea::SetSelLength(int32_t length) {
  TextAreaWidget& widget = WidgetOf(*this);
  QString raw = widget.RawText();
  int32_t start = SelStart();
  QTextCursor cursor = widget.textCursor();
  cursor.setPosition(IndexOfCharacter(raw, start));
  cursor.setPosition(IndexOfCharacter(raw, start + std::max(0, length)), QTextCursor::KeepAnchor);
  widget.setTextCursor(cursor);
}

bool TextArea::SelBold() const {
  return WidgetOf(*this).textCursor().charFormat().fontWeight() >= QFont::Bold;
}

void TextArea::SetSelBold(bool bold) {
  QTextCursor cursor = WidgetOf(*this).textCursor();
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  cursor.mergeCharFormat(format);
}

std::shared_ptr<StyledTextPrinter> TextArea::styledTextPrinter(std::shared_ptr<Graphics> graphics,
                                                               int32_t width) const {
  return std::make_shared<StyledTextPrinter>(*this, std::move(graphics), width);
}

bool TextArea::ReadOnly() const {
  return WidgetOf(*this).isReadOnly();
}
void TextArea::SetReadOnly(bool readOnly) {
  WidgetOf(*this).setReadOnly(readOnly);
}

int32_t TextArea::LimitText() const {
  return WidgetOf(*this).limitText;
}
void TextArea::SetLimitText(int32_t limit) {
  WidgetOf(*this).limitText = std::max(0, limit);
}

bool TextArea::RaiseKeyDown(const std::string& key) {
  std::optional<Value> result = DispatchEvent(kKeyDownEvent, {Value(key)});
  return !result || result->IsTrue();
}

bool TextArea::HasEvent(int32_t eventNumber) const {
  return eventNumber == kKeyDownEvent;
}

void TextArea::SetAlignment(int32_t alignment) {
  AlignAllBlocks(WidgetOf(*this), AlignmentFor(alignment));
}

void TextArea::SetScrollbars(bool horizontal, bool vertical) {
  scrollbarHorizontal_ = horizontal;
  scrollbarVertical_ = vertical;
  TextAreaWidget& widget = WidgetOf(*this);
  widget.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  widget.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  // Without a horizontal scroll bar, long lines wrap at the area's width.
  bool wraps = widget.multiline && !horizontal;
  widget.setLineWrapMode(wraps ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TextArea::SetMultiline(bool multiline) {
  WidgetOf(*this).multiline = multiline;
  SetScrollbars(scrollbarHorizontal_, scrollbarVertical_);
}

void TextArea::ApplyProperty(const std::string& key, const PropertyValue& value) {
  TextAreaWidget& widget = WidgetOf(*this);
  if (key == "Text") {
    SetText(value.AsString());
  } else if (key == "ReadOnly") {
    SetReadOnly(value.AsBoolean());
  } else if (key == "LimitText") {
    SetLimitText(value.AsInt32());
  } else if (key == "Alignment") {
    SetAlignment(value.AsInt32());
  } else if (key == "Multiline") {
    SetMultiline(value.AsBoolean());
  } else if (key == "ScrollbarHorizontal") {
    SetScrollbars(value.AsBoolean(), scrollbarVertical_);
  } else if (key == "ScrollbarVertical") {
    SetScrollbars(scrollbarHorizontal_, value.AsBoolean());
  } else if (key == "Border") {
    widget.setFrameShape(value.AsBoolean() ? QFrame::StyledPanel : QFrame::NoFrame);
  } else if (key == "TextColor") {
    SetPaletteColor(widget, QPalette::Text, value.AsColor());
    UpdateInactiveSelection(widget);
  } else if (key == "BackColor") {
    SetPaletteColor(widget, QPalette::Base, value.AsColor());
    UpdateInactiveSelection(widget);
  } else if (key == "HideSelection") {
    widget.hideSelection = value.AsBoolean();
    UpdateInactiveSelection(widget);
  } else if (key == "AcceptTabs") {
    widget.acceptTabs = value.AsBoolean();
    widget.setTabChangesFocus(!value.AsBoolean());
  } else if (key == "TabStop") {
    widget.setFocusPolicy(value.AsBoolean() ? Qt::StrongFocus : Qt::ClickFocus);
  } else if (key == "Styled") {
    widget.setAcceptRichText(value.AsBoolean());
  } else {
    TextControl::ApplyProperty(key, value);
  }
}

}  // namespace platform
