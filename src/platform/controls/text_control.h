#pragma once

#include <cstdint>
#include <string>

#include "platform/controls/control.h"
#include "platform/graphics/font_description.h"

namespace platform {

// A control that shows text in a font of its own: text areas, push buttons and labels.
class TextControl : public RectControl {
 public:
  const std::string& TextFont() const { return font_.family; }
  void SetTextFont(const std::string& family);

  // The size in TextUnit units; 0 is the family's default size.
  float TextSize() const { return font_.size; }
  void SetTextSize(float size);
  // 0 the framework's default unit (pixels), 1 pixels, 2 points, 3 inches, 4 millimetres.
  int32_t TextUnit() const { return font_.unit; }
  void SetTextUnit(int32_t unit);

  bool Bold() const { return font_.bold; }
  void SetBold(bool bold);
  bool Italic() const { return font_.italic; }
  void SetItalic(bool italic);
  bool Underline() const { return font_.underline; }
  void SetUnderline(bool underline);

 protected:
  TextControl() = default;

  // TextFont, Bold, Italic and Underline, then the keys of every control.
  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  void UpdateFont();

  FontDescription font_;
};

}  // namespace platform
