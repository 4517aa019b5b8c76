#pragma once

#include <cstdint>

// The road from the process entry to the event loop and back.
namespace corvane {

// The whole run: starts the framework, registers the classes, runs start-up and the event loop,
// releases the globals and returns the framework's exit status (0 on a normal quit).
int32_t Main(int argc, char** argv);

// Registers every class, the framework's first, and creates the shared result state.
void Initialize();
// Start-up, the event loop, and the report of an exception that escapes them.
void _Main();
// Run once by the framework during its initialisation: document types, the application object
// with its menu bar and About handlers, and the default window, which runs the splash.
void _Startup();
// Releases the program's globals after the event loop has returned.
void Finalize();

}  // namespace corvane
