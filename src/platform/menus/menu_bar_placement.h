#pragma once

#include <memory>

namespace platform {

class MenuBar;
class Window;

// The menu bar a window shows: a document window (Frame 0) its own, or the application's when it
// has none; the other frames show none.
std::shared_ptr<MenuBar> MenuBarShownBy(const Window& window);

// From now on every window shows the bar MenuBarShownBy gives it, above its content: set when its
// MenuBar is set, and checked again whenever it is shown. Done once; again only after the Qt
// application was replaced.
void InstallMenuBarPlacement();

}  // namespace platform
