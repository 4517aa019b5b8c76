#pragma once

// Inside the framework only: what the rest of the framework (the menu layer, the user simulation)
// may reach of a window's Qt side.
#include <QPointer>
#include <functional>
#include <memory>

#include "platform/windows/window_widget_qt.h"

namespace platform {

class MenuBar;
class Window;

struct WindowData {
  std::shared_ptr<WindowLink> link = std::make_shared<WindowLink>();
  // Owned by the window; deleted later when the window closes or is destroyed.
  QPointer<WindowWidget> widget;
};

// The window's top-level widget; nullptr once the window's widgets have been destroyed.
WindowWidget* WidgetOf(const Window& window);

// The window a top-level widget belongs to, or nullptr (another kind of widget, or a window
// already destroyed).
Window* WindowOfWidget(const QWidget* widget);

// Set by the menu layer: makes the menu bar widget a window shows above its content whenever the
// window's MenuBar is set (nullptr: none). Until one is installed, windows show no menu bar.
using MenuBarWidgetFactory =
    std::function<QWidget*(Window& window, const std::shared_ptr<MenuBar>& menuBar)>;
void SetMenuBarWidgetFactory(MenuBarWidgetFactory factory);

}  // namespace platform
