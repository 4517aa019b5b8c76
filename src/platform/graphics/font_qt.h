#pragma once

// Inside the framework only.
#include <QFont>

#include "platform/graphics/font_description.h"

namespace platform {

// The Qt font these settings describe. "System" is the desktop's user-interface family, "Courier" a
// monospaced family and "Times" a serif family. Sizes under the default unit (0) and under pixels
// (1) and points (2) are pixels, as the layouts were made at 72 dots per inch; 3 is inches and 4
// millimetres.
QFont MakeFont(const FontDescription& settings);

}  // namespace platform
