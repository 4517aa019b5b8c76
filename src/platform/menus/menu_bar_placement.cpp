#include "platform/menus/menu_bar_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QPointer>

#include "platform/menus/application.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/menu_bar_qt.h"
#include "platform/windows/window.h"
#include "platform/windows/window_qt.h"

namespace platform {
namespace {

std::weak_ptr<MenuTarget> TargetOf(Window& window) {
  return std::dynamic_pointer_cast<Window>(window.weak_from_this().lock());
}

QWidget* MakeView(Window& window, const std::shared_ptr<MenuBar>& menuBar) {
  WindowWidget* widget = WidgetOf(window);
  if (!widget || !menuBar) return nullptr;
  return CreateMenuBarView(menuBar, widget, TargetOf(window));
}

void UpdateShownMenuBar(WindowWidget& widget) {
  Window* window = widget.Owner();
  if (!window) return;
  std::shared_ptr<MenuBar> shown = MenuBarShownBy(*window);
  if (ModelOfMenuBarView(widget.MenuBarWidget()) == shown) return;
  widget.SetMenuBarWidget(MakeView(*window, shown));
  // Sized now rather than on the next pass of the event loop, so the window appears at its size.
  if (QLayout* layout = widget.layout()) layout->activate();
}

// Windows set no menu bar when they show the application's, and learn their frame only after
// their bar was set; so the bar is checked when a window is about to appear.
class ShowWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* widget = dynamic_cast<WindowWidget*>(watched)) UpdateShownMenuBar(*widget);
    }
    return false;
  }
};

}  // namespace

std::shared_ptr<MenuBar> MenuBarShownBy(const Window& window) {
  if (window.Frame() != kDocumentWindowFrame) return nullptr;
  if (window.MenuBar()) return window.MenuBar();
  std::shared_ptr<Application> app = _GetAppObject();
  return app ? app->MenuBar() : nullptr;
}

void InstallMenuBarPlacement() {
  static QPointer<ShowWatcher> watcher;
  QCoreApplication* application = QCoreApplication::instance();
  if (watcher || !application) return;
  watcher = new ShowWatcher(application);
  application->installEventFilter(watcher);
  SetMenuBarWidgetFactory([](Window& window, const std::shared_ptr<MenuBar>& menuBar) {
    return window.Frame() == kDocumentWindowFrame ? MakeView(window, menuBar) : nullptr;
  });
}

}  // namespace platform
