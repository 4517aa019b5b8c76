#include "help/about_wnd.h"

#include "platform/core/invoker.h"
#include "platform/properties/set_properties.h"
#include "platform/windows/control_creation.h"
#include "shared/bundle_pictures.h"
#include "shared/control_records.h"
#include "shared/window_helpers.h"

namespace corvane {

using platform::Color;
using platform::PropertyRecord;

namespace {

// A canvas that shows a picture and takes no clicks, so that a click on it reaches the window.
platform::ControlCreation DisabledPicture(AboutWnd* window,
                                          std::shared_ptr<platform::Canvas> (AboutWnd::*accessor)(),
                                          std::shared_ptr<platform::Picture> (*picture)(),
                                          const std::string& name, int32_t left, int32_t top,
                                          int32_t width, int32_t height, int32_t tabIndex) {
  return {&platform::Canvas::Lookup,
          name,
          BackdropInCode(window, accessor, picture),
          PropertyRecord(records::CanvasEntries({.name = name,
                                                 .left = left,
                                                 .top = top,
                                                 .width = width,
                                                 .height = height,
                                                 .tabIndex = tabIndex,
                                                 .enabled = false})),
          {}};
}

}  // namespace

const platform::ClassRecord& AboutWnd::Lookup() {
  return platform::DeclareClass<AboutWnd>("AboutWnd.AboutWnd", &platform::Window::Lookup, [] {
    using platform::Method;
    return WindowClass<AboutWnd>(
        {
            Method("StaticText5", "%o<Label>%", &AboutWnd::StaticText5),
            Method("Canvas1", "%o<Canvas>%", &AboutWnd::Canvas1),
            Method("Canvas2", "%o<Canvas>%", &AboutWnd::Canvas2),
            Method("StaticText1", "%o<Label>%", &AboutWnd::StaticText1),
            Method("Event_KeyDown", "%b%s", &AboutWnd::Event_KeyDown),
            Method("Event_MouseDown", "%b%i4i4", &AboutWnd::Event_MouseDown),
        },
        {"KeyDown", "MouseDown"});
  });
}

void AboutWnd::Layout() {
  platform::_SetProperties(*this, PropertyRecord(records::WindowEntries({
                                      .width = 300,
                                      .height = 200,
                                      .frame = 2,
                                      .title = "",
                                      .closeButton = false,
                                      .minimizeButton = false,
                                  })));
}

void AboutWnd::CreateControls() {
  _CreateControls0();
}

void AboutWnd::_CreateControls0() {
  using platform::Label;
  platform::CreateControlsFromList(
      *this, {
                 {&Label::Lookup,
                  "StaticText5",
                  TextSizeInCode(this, &AboutWnd::StaticText5, 9),
                  PropertyRecord(records::LabelEntries({.name = "StaticText5",
                                                        .left = 1,
                                                        .top = 187,
                                                        .width = 298,
                                                        .height = 13,
                                                        .tabIndex = 0,
                                                        .text = kNoticeLine,
                                                        .textAlign = 1,
                                                        .textFont = "Times",
                                                        .bold = true})),
                  {}},
                 DisabledPicture(this, &AboutWnd::Canvas1, &Corvane, "Canvas1", 111, 60, 78, 78, 1),
                 DisabledPicture(this, &AboutWnd::Canvas2, &ZphzSm, "Canvas2", 77, 161, 148, 22, 2),
                 {&Label::Lookup,
                  "StaticText1",
                  TextSizeInCode(this, &AboutWnd::StaticText1, 36),
                  PropertyRecord(records::LabelEntries({.name = "StaticText1",
                                                        .left = 1,
                                                        .top = 6,
                                                        .width = 298,
                                                        .height = 36,
                                                        .tabIndex = 3,
                                                        .text = "Corvane",
                                                        .textAlign = 1,
                                                        .textColor = Color(0x0000C8),
                                                        .textFont = "Times",
                                                        .bold = true})),
                  {}},
             });
}

std::shared_ptr<platform::Label> AboutWnd::StaticText5() {
  return ControlNamed<platform::Label>(*this, "StaticText5");
}

std::shared_ptr<platform::Canvas> AboutWnd::Canvas1() {
  return ControlNamed<platform::Canvas>(*this, "Canvas1");
}

std::shared_ptr<platform::Canvas> AboutWnd::Canvas2() {
  return ControlNamed<platform::Canvas>(*this, "Canvas2");
}

std::shared_ptr<platform::Label> AboutWnd::StaticText1() {
  return ControlNamed<platform::Label>(*this, "StaticText1");
}

}  // namespace corvane
