#include "platform/controls/push_button.h"

#include <QPushButton>

#include "platform/controls/control_data_qt.h"

namespace platform {

PushButton::PushButton() {
  auto* button = new QPushButton();
  // No button of the program is a default button; Return must not click one behind the user.
  button->setAutoDefault(false);
  // The windows were laid out for buttons that never hold the keyboard: a click leaves the focus
  // (and the typing) where it was. Tab reaches a button where its TabStop says so.
  button->setFocusPolicy(Qt::TabFocus);
  Data().widget = button;
  Data().link->control = this;
  std::shared_ptr<ControlLink> link = Data().link;
  QObject::connect(button, &QPushButton::clicked, button, [link] {
    if (link->control) link->control->DispatchEvent(kActionEvent, {});
  });
}

const ClassRecord& PushButton::Lookup() {
  return DeclareClass<PushButton>("PushButton", &RectControl::Lookup);
}

void PushButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  // "&" marks a keyboard mnemonic in Qt; the program's captions mean the character itself.
  QString shown = QString::fromStdString(caption).replace(u'&', QStringLiteral("&&"));
  static_cast<QPushButton&>(Data().Widget()).setText(shown);
}

bool PushButton::HasEvent(int32_t eventNumber) const {
  return eventNumber == kActionEvent;
}

void PushButton::ApplyProperty(const std::string& key, const PropertyValue& value) {
  if (key == "Caption") {
    SetCaption(value.AsString());
  } else if (key == "TabStop") {
    Data().Widget().setFocusPolicy(value.AsBoolean() ? Qt::TabFocus : Qt::NoFocus);
  } else {
    TextControl::ApplyProperty(key, value);
  }
}

}  // namespace platform
