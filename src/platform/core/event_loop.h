#pragma once

#include <cstdint>

namespace platform {

// Runs the event loop until Quit. Returns at once when Quit was called before.
void _RuntimeRun();

// Ends the event loop; `status` becomes the result of RuntimeExit (0 for a normal quit). The
// caller's handler runs to its end first.
void Quit(int32_t status = 0);

bool QuitRequested();
int32_t QuitStatus();
// Forgets an earlier Quit, so one test's quit does not end the next test's loop.
void ResetQuitForTests();

// The background-task hook RuntimeInit installs: at most every 10 ms (a clock test otherwise) it
// processes pending paint and timer events, and never user input, so no handler is re-entered.
void ProcessPaintAndTimerEvents();

// True while that hook processes events: the window layer then starts no handler at all.
bool InBackgroundTask();

}  // namespace platform
