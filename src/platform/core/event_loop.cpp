#include "platform/core/event_loop.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

namespace platform {
namespace {

constexpr std::chrono::milliseconds kBackgroundTaskInterval{10};
constexpr uint32_t kCallsPerClockReading = 32;

bool quitRequested = false;
int32_t quitStatus = 0;
bool inBackgroundTask = false;

}  // namespace

void _RuntimeRun() {
  if (quitRequested || !QCoreApplication::instance()) return;
  QApplication::exec();
}

void Quit(int32_t status) {
  quitRequested = true;
  quitStatus = status;
  if (QCoreApplication::instance()) QCoreApplication::exit(status);
}

bool QuitRequested() {
  return quitRequested;
}
int32_t QuitStatus() {
  return quitStatus;
}

void ResetQuitForTests() {
  quitRequested = false;
  quitStatus = 0;
  // Once told to exit, Qt ends every later event loop at once, a modal box's too, until its main
  // loop runs again; a run that ends straight away clears that.
  if (!QCoreApplication::instance()) return;
  QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

void ProcessPaintAndTimerEvents() {
  // Called on every pass of every loop: the clock is read only every so many calls.
  static uint32_t calls = 0;
  if (++calls % kCallsPerClockReading != 0) return;
  static std::chrono::steady_clock::time_point lastRun;
  auto now = std::chrono::steady_clock::now();
  if (now - lastRun < kBackgroundTaskInterval) return;
  lastRun = now;
  if (inBackgroundTask || !QCoreApplication::instance()) return;
  inBackgroundTask = true;
  // Deferred deletions posted by the running handler are left alone by Qt here: they wait until
  // control returns to the loop that posted them.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  inBackgroundTask = false;
}

bool InBackgroundTask() {
  return inBackgroundTask;
}

}  // namespace platform
