#include "startup/startup.h"

#include <exception>
#include <string>

#include "analysis/control_wnd.h"
#include "help/about_wnd.h"
#include "help/description_wnd.h"
#include "linegraph/gx_line.h"
#include "linegraph/gx_line_graph.h"
#include "linegraph/gx_point.h"
#include "platform/controls/canvas.h"
#include "platform/controls/label.h"
#include "platform/controls/push_button.h"
#include "platform/controls/rectangle_control.h"
#include "platform/core/delegate.h"
#include "platform/core/event_loop.h"
#include "platform/core/unhandled_exception.h"
#include "platform/menus/apple_menu_item.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/quit_menu_item.h"
#include "platform/system/runtime.h"
#include "platform/text_area/text_area.h"
#include "platform/windows/window.h"
#include "plot/graph_wnd.h"
#include "shared/file_types.h"
#include "shared/menu.h"
#include "shared/module1.h"
#include "shared/window_helpers.h"
#include "startup/handle_about_menu.h"
#include "startup/invisible_wnd.h"

namespace corvane {

namespace {

// The framework's classes Corvane uses, registered before its own.
constexpr platform::ClassLookup kFrameworkClasses[] = {
    &platform::Window::Lookup,        &platform::RectControl::Lookup,
    &platform::TextArea::Lookup,      &platform::PushButton::Lookup,
    &platform::Label::Lookup,         &platform::Canvas::Lookup,
    &platform::Rectangle::Lookup,     &platform::MenuItem::Lookup,
    &platform::MenuBar::Lookup,       &platform::QuitMenuItem::Lookup,
    &platform::AppleMenuItem::Lookup, &platform::Application::Lookup,
};

void _NewAppInstance() {
  auto app = platform::RuntimeCheckCast<HandleAboutMenu>(
      platform::RuntimeNewObject(HandleAboutMenu::Lookup()));
  app->Constructor();
  // The first reference to the menu bar builds it, so it exists before the application object
  // does and the first EnableMenuItems event finds its items.
  app->SetMenuBar(Menu::Instance());
  platform::_RuntimeRegisterAppObject(app);
}

void _ApplicationAddMenuHandlers() {
  AddMenuActionHandlers(App(), {"AboutUlk", "AboutMenuItem"});
}

void _MakeDefaultView() {
  InvisibleWnd::Instance();
}

}  // namespace

void Initialize() {
  for (platform::ClassLookup lookup : kFrameworkClasses) lookup();
  for (platform::ClassLookup lookup :
       {&ControlWnd::Lookup, &Menu::Lookup, &AboutWnd::Lookup, &HandleAboutMenu::Lookup,
        &DescriptionWnd::Lookup, &InvisibleWnd::Lookup}) {
    lookup();
  }
  Module1::Initialize();
  for (platform::ClassLookup lookup :
       {&GraphWnd::Lookup, &GxLine::Lookup, &GxLineGraph::Lookup, &GxPoint::Lookup}) {
    lookup();
  }
}

void _Startup() {
  FileTypes::_Initialize();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
  _MakeDefaultView();
}

void _Main() {
  try {
    _Startup();
    platform::_RuntimeRun();
  } catch (...) {
    // Reported like any exception that leaves a handler; the globals are still released after.
    platform::ReportUnhandledException(std::current_exception());
  }
}

void Finalize() {
  platform::ReleaseFrameworkGlobals();
  FileTypes::Release();
  Menu::ReleaseInstance();
  Module1::Finalize();
}

int32_t Main(int argc, char** argv) {
  platform::RuntimeInit(argc, argv);
  Initialize();
  _Main();
  Finalize();
  return platform::RuntimeExit();
}

}  // namespace corvane
