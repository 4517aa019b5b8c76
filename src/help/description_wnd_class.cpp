#include "help/description_wnd.h"

#include <algorithm>
#include <string>
#include <vector>

#include "help/help_text.h"
#include "platform/core/invoker.h"
#include "platform/properties/set_properties.h"
#include "platform/windows/control_creation.h"
#include "shared/control_records.h"
#include "shared/menu.h"
#include "shared/window_helpers.h"

namespace corvane {

using platform::PropertyRecord;

namespace {

// This window's control records list their keys from the last to the first.
std::string ReversedRecord(std::vector<platform::PropertyEntry> entries) {
  std::reverse(entries.begin(), entries.end());
  return PropertyRecord(entries);
}

}  // namespace

const platform::ClassRecord& DescriptionWnd::Lookup() {
  return platform::DeclareClass<DescriptionWnd>(
      "DescriptionWnd.DescriptionWnd", &platform::Window::Lookup, [] {
        using platform::Method;
        using W = DescriptionWnd;
        return WindowClass<DescriptionWnd>(
            MethodTable(
                {
                    Method("DescribeFld", "%o<TextArea>%", &W::DescribeFld),
                    Method("DescribeFld2", "%o<TextArea>%", &W::DescribeFld2),
                },
                {
                    Method("AddMenuHandlers", "%%o<Window>", &W::AddMenuHandlers),
                    Method("Event_Open", "%%", &W::Event_Open),
                    Method("Event_EnableMenuItems", "%%", &W::Event_EnableMenuItems),
                    Method("_ControlMenuItem_Action", "%b%", &W::_ControlMenuItem_Action),
                    Method("_AboutMenuItem_Action", "%b%", &W::_AboutMenuItem_Action),
                    Method("_Print_Action", "%b%", &W::_Print_Action),
                }),
            {"AddMenuHandlers", "Open", "EnableMenuItems"});
      });
}

void DescriptionWnd::Layout() {
  SetMenuBar(Menu::Instance());
  platform::_SetProperties(*this, PropertyRecord(records::WindowEntries({
                                      .width = 427,
                                      .height = 491,
                                      .hasBackColor = false,
                                      .title = "Description",
                                      .visible = false,
                                      .menuBarVisible = false,
                                  })));
}

void DescriptionWnd::CreateControls() {
  _CreateControls0();
}

void DescriptionWnd::_CreateControls0() {
  using platform::TextArea;
  platform::CreateControlsFromList(
      *this, {
                 {&TextArea::Lookup,
                  "DescribeFld",
                  TextSizeInCode(this, &DescriptionWnd::DescribeFld, 10),
                  ReversedRecord(records::TextAreaEntries({.name = "DescribeFld",
                                                           .left = 1,
                                                           .top = -1,
                                                           .width = 427,
                                                           .height = 478,
                                                           .tabIndex = 0,
                                                           .scrollbarVertical = true,
                                                           .useFocusRing = false,
                                                           .textFont = "Courier",
                                                           .text = "\r",
                                                           .readOnly = true})),
                  {}},
                 {&TextArea::Lookup,
                  "DescribeFld2",
                  TextSizeInCode(this, &DescriptionWnd::DescribeFld2, 11),
                  ReversedRecord(records::TextAreaEntries({.name = "DescribeFld2",
                                                           .left = -1,
                                                           .top = -1,
                                                           .width = 429,
                                                           .height = 476,
                                                           .tabIndex = 1,
                                                           .scrollbarVertical = true,
                                                           .styled = true,
                                                           .useFocusRing = false,
                                                           .textFont = "Times",
                                                           .text = kHelpText,
                                                           .readOnly = true,
                                                           .alignment = 1})),
                  {}},
             });
}

std::shared_ptr<platform::TextArea> DescriptionWnd::DescribeFld() {
  return ControlNamed<platform::TextArea>(*this, "DescribeFld");
}

std::shared_ptr<platform::TextArea> DescriptionWnd::DescribeFld2() {
  return ControlNamed<platform::TextArea>(*this, "DescribeFld2");
}

}  // namespace corvane
