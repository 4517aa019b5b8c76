#include "platform/graphics/string_shape.h"

namespace platform {

// 0 is the drawing context's default size, as for Graphics::TextSize.
StringShape::StringShape() : textSize_(0.0), rotation_(0.0) {}

}  // namespace platform
