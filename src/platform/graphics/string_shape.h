#pragma once

#include <string>

namespace platform {

// A line of text that a drawing context draws turned about its anchor (Graphics::DrawObject).
class StringShape {
 public:
  StringShape();

  double TextSize() const { return textSize_; }
  void SetTextSize(double size) { textSize_ = size; }

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) { text_ = text; }

  // In radians; a negative angle turns the text counter-clockwise on the screen, so -pi/2 makes
  // it read from bottom to top.
  double Rotation() const { return rotation_; }
  void SetRotation(double radians) { rotation_ = radians; }

 private:
  double textSize_;
  std::string text_;
  double rotation_;
};

}  // namespace platform
