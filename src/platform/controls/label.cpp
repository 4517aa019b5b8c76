#include "platform/controls/label.h"

#include <QLabel>
#include <QPalette>

#include "platform/controls/control_data_qt.h"
#include "platform/graphics/color_qt.h"

namespace platform {
namespace {

QLabel& WidgetOf(const Label& label) {
  return static_cast<QLabel&>(label.Data().Widget());
}

// TextAlign 0 starts at the left edge, 1 centres, 2 ends at the right edge.
Qt::Alignment AlignmentFor(int32_t textAlign) {
  switch (textAlign) {
    case 1:
      return Qt::AlignHCenter | Qt::AlignTop;
    case 2:
      return Qt::AlignRight | Qt::AlignTop;
    default:
      return Qt::AlignLeft | Qt::AlignTop;
  }
}

}  // namespace

Label::Label() {
  auto* label = new QLabel();
  // The text is shown as it is; Qt would otherwise take a text that looks like HTML as markup.
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(AlignmentFor(0));
  label->setTextInteractionFlags(Qt::NoTextInteraction);
  Data().widget = label;
  Data().link->control = this;
}

const ClassRecord& Label::Lookup() {
  return DeclareClass<Label>("Label", &RectControl::Lookup);
}

void Label::SetText(const std::string& text) {
  text_ = text;
  WidgetOf(*this).setText(QString::fromStdString(text));
}

void Label::ApplyProperty(const std::string& key, const PropertyValue& value) {
  QLabel& label = WidgetOf(*this);
  if (key == "Text") {
    SetText(value.AsString());
  } else if (key == "TextAlign") {
    label.setAlignment(AlignmentFor(value.AsInt32()));
  } else if (key == "TextColor") {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, ToQColor(value.AsColor()));
    label.setPalette(palette);
  } else if (key == "Multiline") {
    label.setWordWrap(value.AsBoolean());
  } else if (key == "Selectable") {
    label.setTextInteractionFlags(value.AsBoolean() ? Qt::TextSelectableByMouse
                                                    : Qt::NoTextInteraction);
  } else {
    TextControl::ApplyProperty(key, value);
  }
}

}  // namespace platform
