#include "platform/controls/text_control.h"

#include "platform/controls/control_data_qt.h"
#include "platform/graphics/font_qt.h"

namespace platform {

void TextControl::SetTextFont(const std::string& family) {
  font_.family = family;
  UpdateFont();
}

void TextControl::SetTextSize(float size) {
  font_.size = size;
  UpdateFont();
}

void TextControl::SetTextUnit(int32_t unit) {
  font_.unit = unit;
  UpdateFont();
}

void TextControl::SetBold(bool bold) {
  font_.bold = bold;
  UpdateFont();
}

void TextControl::SetItalic(bool italic) {
  font_.italic = italic;
  UpdateFont();
}

void TextControl::SetUnderline(bool underline) {
  font_.underline = underline;
  UpdateFont();
}

void TextControl::UpdateFont() {
  Data().Widget().setFont(MakeFont(font_));
}

void TextControl::ApplyProperty(const std::string& key, const PropertyValue& value) {
  if (key == "TextFont") {
    SetTextFont(value.AsString());
  } else if (key == "Bold") {
    SetBold(value.AsBoolean());
  } else if (key == "Italic") {
    SetItalic(value.AsBoolean());
  } else if (key == "Underline") {
    SetUnderline(value.AsBoolean());
  } else {
    RectControl::ApplyProperty(key, value);
  }
}

}  // namespace platform
