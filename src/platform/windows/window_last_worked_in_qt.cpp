#include "platform/windows/window_last_worked_in_qt.h"

#include <QPointer>
#include <algorithm>
#include <vector>

#include "platform/windows/window_widget_qt.h"

namespace platform {
namespace {

// Most recent first. A window closed since is a null pointer here and is dropped.
std::vector<QPointer<WindowWidget>>& WorkedIn() {
  static std::vector<QPointer<WindowWidget>> windows;
  return windows;
}

bool StillThere(const QPointer<WindowWidget>& widget) {
  return widget && widget->isVisible() && !widget->isMinimized();
}

}  // namespace

void NoteWindowWorkedIn(WindowWidget& widget) {
  std::vector<QPointer<WindowWidget>>& windows = WorkedIn();
  std::erase_if(windows,
                [&](const QPointer<WindowWidget>& noted) { return !noted || noted == &widget; });
  windows.insert(windows.begin(), &widget);
}

QWidget* WindowLastWorkedIn() {
  const std::vector<QPointer<WindowWidget>>& windows = WorkedIn();
  auto found = std::find_if(windows.begin(), windows.end(), StillThere);
  return found == windows.end() ? nullptr : found->data();
}

}  // namespace platform
