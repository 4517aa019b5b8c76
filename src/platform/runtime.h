#pragma once

#include <cstdint>

namespace platform {

// Starts the framework: the Qt application object and the framework's own state. Call once, first.
void RuntimeInit(int& argc, char** argv);

// Shuts the framework down; the result is the process's exit status.
int32_t RuntimeExit();

}  // namespace platform
