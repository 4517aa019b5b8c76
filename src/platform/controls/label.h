#pragma once

#include <cstdint>
#include <string>

#include "platform/controls/text_control.h"

namespace platform {

// A line (or block) of static text.
class Label : public TextControl {
 public:
  Label();
  static const ClassRecord& Lookup();

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

 protected:
  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  std::string text_;
};

}  // namespace platform
