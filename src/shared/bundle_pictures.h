#pragma once

#include <memory>

#include "platform/graphics/picture.h"

namespace corvane {

// The three pictures of the bundle's Resources folder. Each is read on first use and kept for the
// run; while a read fails, every call tries again; a missing file gives nil.
std::shared_ptr<platform::Picture> ZphzSm();       // the badge, "ZphzSm" (no extension)
std::shared_ptr<platform::Picture> Corvane();      // the product picture, "Corvane.tiff"
std::shared_ptr<platform::Picture> Deziz68copy();  // the question mark, "Deziz68 copy.png"

}  // namespace corvane
