#include "app/invisible_wnd.h"

#include "analysis/control_wnd.h"
#include "app/control_records.h"
#include "app/menu.h"
#include "app/menu_items.h"
#include "help/about_wnd.h"
#include "platform/background_task.h"
#include "platform/clock.h"
#include "platform/conversions.h"
#include "platform/implicit_instances.h"
#include "platform/invoker.h"
#include "platform/set_properties.h"

namespace corvane {

namespace {

platform::ClassRecord* ctbl = nullptr;

constexpr double kTicksPerSecond = 60.0;
constexpr double kSplashSeconds = 2.75;

int32_t WholeSeconds() {
  return platform::RuntimeCvtReal64ToSInt32(static_cast<double>(platform::Ticks()) /
                                            kTicksPerSecond);
}

}  // namespace

std::shared_ptr<InvisibleWnd> InvisibleWnd::Instance() {
  return platform::ImplicitInstance<InvisibleWnd>();
}

const platform::ClassRecord& InvisibleWnd::Lookup() {
  CtblInit();
  return *ctbl;
}

void InvisibleWnd::CtblInit() {
  if (ctbl) return;
  using platform::Method;
  platform::DefineClass<InvisibleWnd>(
      ctbl, "InvisibleWnd.InvisibleWnd", &platform::Window::Lookup(),
      {
          Method("Layout", "%%", &InvisibleWnd::Layout),
          Method("CreateControls", "%%", &InvisibleWnd::CreateControls),
          Method("WindowMenu", "%o<MenuItem>%", &InvisibleWnd::WindowMenu),
          Method("AboutUlk", "%o<AppleMenuItem>%", &InvisibleWnd::AboutUlk),
          Method("AboutMenuItem", "%o<MenuItem>%", &InvisibleWnd::AboutMenuItem),
          Method("DescriptionMenuItem", "%o<MenuItem>%", &InvisibleWnd::DescriptionMenuItem),
          Method("ControlMenuItem", "%o<MenuItem>%", &InvisibleWnd::ControlMenuItem),
          Method("UntitledMenu0", "%o<MenuItem>%", &InvisibleWnd::UntitledMenu0),
          Method("EditClear", "%o<MenuItem>%", &InvisibleWnd::EditClear),
          Method("EditPaste", "%o<MenuItem>%", &InvisibleWnd::EditPaste),
          Method("EditCopy", "%o<MenuItem>%", &InvisibleWnd::EditCopy),
          Method("EditCut", "%o<MenuItem>%", &InvisibleWnd::EditCut),
          Method("UntitledMenu1", "%o<MenuItem>%", &InvisibleWnd::UntitledMenu1),
          Method("EditUndo", "%o<MenuItem>%", &InvisibleWnd::EditUndo),
          Method("FileMenu", "%o<MenuItem>%", &InvisibleWnd::FileMenu),
          Method("FileQuit", "%o<QuitMenuItem>%", &InvisibleWnd::FileQuit),
          Method("Print", "%o<MenuItem>%", &InvisibleWnd::Print),
          Method("UntitledMenu3", "%o<MenuItem>%", &InvisibleWnd::UntitledMenu3),
          Method("Event_Open", "%%", &InvisibleWnd::Event_Open),
      },
      {"Layout", "CreateControls", "Open"});
}

void InvisibleWnd::Layout() {
  SetMenuBar(Menu::Instance());
  platform::_SetProperties(*this, platform::PropertyRecord(records::WindowEntries({
                                      .width = 191,
                                      .height = 132,
                                      .frame = 1,
                                      .composite = false,
                                      .hasBackColor = false,
                                      .title = "Untitled",
                                      .visible = false,
                                      .menuBarVisible = false,
                                      .closeButton = false,
                                      .minimizeButton = false,
                                      .left = 64,
                                      .top = 64,
                                  })));
}

void InvisibleWnd::CreateControls() {}

std::shared_ptr<platform::MenuItem> InvisibleWnd::WindowMenu() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "WindowMenu");
}
std::shared_ptr<platform::AppleMenuItem> InvisibleWnd::AboutUlk() {
  return MenuItemNamed<platform::AppleMenuItem>(MenuBar(), "AboutUlk");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::AboutMenuItem() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "AboutMenuItem");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::DescriptionMenuItem() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "DescriptionMenuItem");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::ControlMenuItem() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "ControlMenuItem");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::UntitledMenu0() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "UntitledMenu0");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::EditClear() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "EditClear");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::EditPaste() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "EditPaste");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::EditCopy() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "EditCopy");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::EditCut() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "EditCut");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::UntitledMenu1() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "UntitledMenu1");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::EditUndo() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "EditUndo");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::FileMenu() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "FileMenu");
}
std::shared_ptr<platform::QuitMenuItem> InvisibleWnd::FileQuit() {
  return MenuItemNamed<platform::QuitMenuItem>(MenuBar(), "FileQuit");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::Print() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "Print");
}
std::shared_ptr<platform::MenuItem> InvisibleWnd::UntitledMenu3() {
  return MenuItemNamed<platform::MenuItem>(MenuBar(), "UntitledMenu3");
}

void InvisibleWnd::Event_Open() {
  AboutWnd::Instance()->Show();
  const int32_t start = WholeSeconds();
  int32_t now = 0;
  // The test comes before the first clock reading, as the whole-second counts demand: the wait
  // ends once the count has advanced by three, between two and three seconds of real time.
  while (!(static_cast<double>(static_cast<int64_t>(now) - start) > kSplashSeconds)) {
    now = WholeSeconds();
    // A tick counter that wraps to negative values would otherwise keep the splash up for ever.
    if (now < start) break;
    platform::RuntimeBackgroundTask();
  }
  AboutWnd::Instance()->Hide();
  InvisibleWnd::Instance()->Hide();
  ControlWnd::Instance()->Show();
}

}  // namespace corvane
