#include "platform/system/runtime.h"

#include <QApplication>
#include <csignal>

#include "platform/core/background_task.h"
#include "platform/core/event_loop.h"
#include "platform/menus/menu_bar_placement.h"
#include "platform/windows/implicit_instances.h"

namespace platform {
namespace {
// Released by RuntimeExit alone, never by static destruction: when a process ends without
// RuntimeExit (a test or tool that links the framework), Qt's own statics may already be gone by
// then, and destroying the application after them crashes. Such a process leaves it to the
// operating system.
QApplication* application = nullptr;
}  // namespace

void RuntimeInit(int& argc, char** argv) {
  if (application) return;
  // A file that outgrows the size limit set for the program fails its write, as on a full disk,
  // and the older file stays; the signal would instead end the program there and then.
  std::signal(SIGXFSZ, SIG_IGN);
  application = new QApplication(argc, argv);
  // The program ends by Quit alone (the main window's Close event), never because the last
  // visible window went away: during the splash no window may be visible for a moment.
  QApplication::setQuitOnLastWindowClosed(false);
  SetBackgroundTaskHook(&ProcessPaintAndTimerEvents);
  InstallMenuBarPlacement();
}

void ReleaseFrameworkGlobals() {
  ReleaseAllImplicitWindows();
}

int32_t RuntimeExit() {
  SetBackgroundTaskHook(nullptr);
  // The windows still open go before the application object their widgets need.
  ReleaseFrameworkGlobals();
  if (application) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  delete application;
  application = nullptr;
  return QuitStatus();
}

}  // namespace platform
