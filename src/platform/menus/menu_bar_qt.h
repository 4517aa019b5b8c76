#pragma once

// Inside the framework only: a window's on-screen view of a shared menu bar.
#include <QKeySequence>
#include <QMenuBar>
#include <QWidget>
#include <memory>
#include <string>

namespace platform {

class MenuBar;
class MenuTarget;

// "Cmd+X" becomes the platform's command modifier plus X (Ctrl+X here); "" gives no shortcut.
QKeySequence KeySequenceFromShortcut(const std::string& shortcut);

// A Qt menu bar showing the model for one window: a menu per title item, a separator per "-"
// item, each shortcut active while the window is. Opening a menu brings the states up to date for
// the window before they are shown; an item or its shortcut is carried out only while enabled.
// windowTarget gives the window's handlers and EnableMenuItems event. The bar is made a child of
// windowWidget; the caller puts it in place. Menus and actions bear their items' names as Qt
// object names.
QMenuBar* CreateMenuBarView(const std::shared_ptr<MenuBar>& model, QWidget* windowWidget,
                            std::weak_ptr<MenuTarget> windowTarget);

// The model a view made by CreateMenuBarView shows; nil for any other widget.
std::shared_ptr<MenuBar> ModelOfMenuBarView(const QWidget* view);

}  // namespace platform
