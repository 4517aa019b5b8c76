#include "startup/invisible_wnd.h"

#include "platform/core/invoker.h"
#include "platform/properties/set_properties.h"
#include "shared/control_records.h"
#include "shared/menu.h"
#include "shared/window_helpers.h"

namespace corvane {

const platform::ClassRecord& InvisibleWnd::Lookup() {
  return platform::DeclareClass<InvisibleWnd>(
      "InvisibleWnd.InvisibleWnd", &platform::Window::Lookup, [] {
        using platform::Method;
        return WindowClass<InvisibleWnd>(
            MethodTable({}, {Method("Event_Open", "%%", &InvisibleWnd::Event_Open)}), {"Open"});
      });
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

}  // namespace corvane
