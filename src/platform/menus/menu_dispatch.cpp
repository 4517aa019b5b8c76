#include "platform/menus/menu_dispatch.h"

#include "platform/core/event_loop.h"
#include "platform/core/unhandled_exception.h"
#include "platform/menus/application.h"
#include "platform/menus/edit_commands_qt.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/quit_menu_item.h"
#include "platform/windows/window.h"
#include "platform/windows/window_qt.h"

namespace platform {
namespace {

// The widget whose focused text area the Edit items act on; only windows have one.
QWidget* EditingWidget(const std::shared_ptr<MenuTarget>& window) {
  const auto* shown = dynamic_cast<const Window*>(window.get());
  return shown ? WidgetOf(*shown) : nullptr;
}

}  // namespace

void RefreshMenuItems(MenuBar& bar, const std::shared_ptr<MenuTarget>& window) {
  QWidget* editing = EditingWidget(window);
  for (const std::shared_ptr<MenuItem>& item : bar.AllItems()) {
    item->SetEnabled(item->AutoEnable() || StandardEditCommandApplies(editing, item->Name()));
  }
  if (window) window->RunEnableMenuItems();
  // Held for the call: the event may register another application object.
  if (std::shared_ptr<Application> app = _GetAppObject()) app->RunEnableMenuItems();
}

void CarryOutMenuCommand(const MenuItem& item, const std::shared_ptr<MenuTarget>& window) {
  const std::string& name = item.Name();
  if (window && window->HandleMenuCommand(name)) return;
  if (std::shared_ptr<Application> app = _GetAppObject()) {
    if (app->HandleMenuCommand(name)) return;
  }
  if (dynamic_cast<const QuitMenuItem*>(&item)) {
    Quit(0);
  } else if (IsStandardEditItem(name)) {
    // Looked up only now: a handler may have closed the window.
    CarryOutStandardEditCommand(EditingWidget(window), name);
  }
}

bool RunChosenMenuItem(MenuBar& bar, const MenuItem& item,
                       const std::shared_ptr<MenuTarget>& window) {
  bool enabled = false;
  RunReportingExceptions([&] {
    RefreshMenuItems(bar, window);
    enabled = item.Enabled();
    if (enabled) CarryOutMenuCommand(item, window);
  });
  return enabled;
}

}  // namespace platform
