#include "platform/runtime.h"

#include <QApplication>
#include <memory>

#include "platform/background_task.h"
#include "platform/event_loop.h"
#include "platform/implicit_instances.h"
#include "platform/menu_bar_placement.h"

namespace platform {
namespace {
std::unique_ptr<QApplication> application;
}  // namespace

void RuntimeInit(int& argc, char** argv) {
  if (application) return;
  application = std::make_unique<QApplication>(argc, argv);
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
  application.reset();
  return QuitStatus();
}

}  // namespace platform
