#pragma once

#include <cstdint>
#include <string>

#include "platform/controls/text_control.h"

namespace platform {

// A push button with a caption.
class PushButton : public TextControl {
 public:
  // Action (PushButton): the button was clicked.
  static constexpr int32_t kActionEvent = 15;

  PushButton();
  static const ClassRecord& Lookup();

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 protected:
  bool HasEvent(int32_t eventNumber) const override;
  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  std::string caption_;
};

}  // namespace platform
