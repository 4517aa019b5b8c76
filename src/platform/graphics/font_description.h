#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The font of a text-bearing control as the program describes it: a family name ("System",
// "Courier", "Times" or any installed family), a size in TextUnit units (0: the family's default
// size) and the styles.
struct FontDescription {
  std::string family = "System";
  float size = 0.0f;
  int32_t unit = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

}  // namespace platform
