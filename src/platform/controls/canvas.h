#pragma once

#include <cstdint>
#include <memory>

#include "platform/controls/control.h"
#include "platform/graphics/picture.h"

namespace platform {

// A drawing surface that shows its backdrop picture at its top-left corner.
class Canvas : public RectControl {
 public:
  // Open (Canvas) is RectControl::kOpenEvent. MouseDown (Canvas, Int32, Int32) as Boolean: a press
  // at x, y pixels from the canvas's top-left.
  static constexpr int32_t kMouseDownEvent = 18;

  Canvas();
  static const ClassRecord& Lookup();

  // Nil shows nothing. The picture is shown as it is when the canvas paints, so drawing into it
  // shows at the next paint.
  std::shared_ptr<platform::Picture> Backdrop() const { return backdrop_; }
  void SetBackdrop(std::shared_ptr<platform::Picture> picture);

 protected:
  bool HasEvent(int32_t eventNumber) const override;
  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  void UpdateFocusPolicy();

  std::shared_ptr<platform::Picture> backdrop_;
  bool tabStop_ = true;
  bool acceptFocus_ = false;
};

}  // namespace platform
