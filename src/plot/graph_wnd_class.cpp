#include "plot/graph_wnd.h"

#include "platform/core/invoker.h"
#include "platform/properties/set_properties.h"
#include "platform/windows/control_creation.h"
#include "shared/control_records.h"
#include "shared/window_helpers.h"

namespace corvane {

using platform::EventBinding;
using platform::PropertyRecord;

namespace {

const char kOpenSignature[] = "( Canvas )";
const char kActionSignature[] = "( PushButton )";

// One of the four buttons along the bottom; they differ in name, place and caption only.
platform::ControlCreation Button(GraphWnd* window,
                                 std::shared_ptr<platform::PushButton> (GraphWnd::*accessor)(),
                                 const std::string& name, int32_t left, int32_t tabIndex,
                                 const std::string& caption, bool autoDeactivate) {
  return {&platform::PushButton::Lookup,
          name,
          TextSizeInCode(window, accessor, 12),
          PropertyRecord(records::PushButtonEntries({.name = name,
                                                     .left = left,
                                                     .top = 455,
                                                     .width = 70,
                                                     .height = 25,
                                                     .lock = false,
                                                     .tabIndex = tabIndex,
                                                     .caption = caption,
                                                     .autoDeactivate = autoDeactivate})),
          {EventBinding{platform::PushButton::kActionEvent, name + "_Action", kActionSignature}}};
}

}  // namespace

const platform::ClassRecord& GraphWnd::Lookup() {
  return platform::DeclareClass<GraphWnd>("GraphWnd.GraphWnd", &platform::Window::Lookup, [] {
    using platform::Method;
    return WindowClass<GraphWnd>({
        Method("Canvas1", "%o<Canvas>%", &GraphWnd::Canvas1),
        Method("CloseBtn", "%o<PushButton>%", &GraphWnd::CloseBtn),
        Method("CopyBtn", "%o<PushButton>%", &GraphWnd::CopyBtn),
        Method("SaveBtn", "%o<PushButton>%", &GraphWnd::SaveBtn),
        Method("PrintBtn", "%o<PushButton>%", &GraphWnd::PrintBtn),
        Method("Canvas1_Open", "%%o<Canvas>", &GraphWnd::Canvas1_Open),
        Method("CloseBtn_Action", "%%o<PushButton>", &GraphWnd::CloseBtn_Action),
        Method("CopyBtn_Action", "%%o<PushButton>", &GraphWnd::CopyBtn_Action),
        Method("SaveBtn_Action", "%%o<PushButton>", &GraphWnd::SaveBtn_Action),
        Method("PrintBtn_Action", "%%o<PushButton>", &GraphWnd::PrintBtn_Action),
    });
  });
}

void GraphWnd::Layout() {
  platform::_SetProperties(*this, PropertyRecord(records::WindowEntries({
                                      .width = 640,
                                      .height = 500,
                                      .hasBackColor = false,
                                      .title = "Corvane Graph",
                                      .closeButton = false,
                                      .withPosition = false,
                                  })));
}

void GraphWnd::CreateControls() {
  _CreateControls0();
}

void GraphWnd::_CreateControls0() {
  platform::CreateControlsFromList(
      *this, {
                 {&platform::Canvas::Lookup,
                  "Canvas1",
                  {},
                  PropertyRecord(records::CanvasEntries(
                      {.name = "Canvas1", .left = 20, .top = 14, .width = 600, .height = 420})),
                  {EventBinding{platform::Canvas::kOpenEvent, "Canvas1_Open", kOpenSignature}}},
                 Button(this, &GraphWnd::CloseBtn, "CloseBtn", 20, 1, "Close", true),
                 Button(this, &GraphWnd::CopyBtn, "CopyBtn", 210, 2, "Copy", false),
                 Button(this, &GraphWnd::SaveBtn, "SaveBtn", 374, 3, "Save", false),
                 Button(this, &GraphWnd::PrintBtn, "PrintBtn", 550, 4, "Print", false),
             });
}

std::shared_ptr<platform::Canvas> GraphWnd::Canvas1() {
  return ControlNamed<platform::Canvas>(*this, "Canvas1");
}

std::shared_ptr<platform::PushButton> GraphWnd::CloseBtn() {
  return ControlNamed<platform::PushButton>(*this, "CloseBtn");
}

std::shared_ptr<platform::PushButton> GraphWnd::CopyBtn() {
  return ControlNamed<platform::PushButton>(*this, "CopyBtn");
}

std::shared_ptr<platform::PushButton> GraphWnd::SaveBtn() {
  return ControlNamed<platform::PushButton>(*this, "SaveBtn");
}

std::shared_ptr<platform::PushButton> GraphWnd::PrintBtn() {
  return ControlNamed<platform::PushButton>(*this, "PrintBtn");
}

}  // namespace corvane
