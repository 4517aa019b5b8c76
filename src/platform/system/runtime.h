#pragma once

#include <cstdint>

namespace platform {

// Starts the framework: the Qt application object and the framework's own state. Call once, first.
void RuntimeInit(int& argc, char** argv);

// Drops the framework's own globals (the windows still open), the first step of the program's
// release of its globals once the event loop has returned. RuntimeExit does it too, for a
// program that did not.
void ReleaseFrameworkGlobals();

// Shuts the framework down; the result is the process's exit status.
int32_t RuntimeExit();

}  // namespace platform
