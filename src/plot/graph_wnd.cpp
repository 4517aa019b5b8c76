#include "plot/graph_wnd.h"

#include "analysis/control_wnd.h"
#include "platform/core/invoker.h"
#include "platform/core/user_interaction.h"
#include "platform/graphics/clipboard.h"
#include "platform/graphics/graphics.h"
#include "platform/graphics/picture_export.h"
#include "platform/printing/printer_dialog.h"
#include "platform/properties/set_properties.h"
#include "platform/text/text_functions.h"
#include "platform/windows/control_creation.h"
#include "plot/scree_plot.h"
#include "shared/control_records.h"
#include "shared/module1.h"
#include "shared/window_helpers.h"

namespace corvane {

using platform::EventBinding;
using platform::PropertyRecord;

namespace {

const char kOpenSignature[] = "( Canvas )";
const char kActionSignature[] = "( PushButton )";

// The printed plot: 90 % of the 600 x 420 picture, so it keeps its proportions, a little in from
// the printable area's left edge and well below its top.
constexpr int32_t kPrintLeft = 20;
constexpr int32_t kPrintTop = 100;
constexpr int32_t kPrintWidth = 540;
constexpr int32_t kPrintHeight = 378;

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

void GraphWnd::Canvas1_Open(std::shared_ptr<platform::Canvas> /*canvas*/) {
  Canvas1()->SetBackdrop(DrawScreePlot(Canvas1()->Width(), Canvas1()->Height()));
  Module1::dirty = "y";
}

void GraphWnd::CloseBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  if (platform::StrComp(Module1::dirty, "y") == 0) {
    int32_t answer = platform::MsgBox("Are you sure you want to erase this graph",
                                      platform::kMsgBoxYesNoQuestion, "");
    if (answer != platform::kMsgBoxYes) {
      platform::Beep();
      Module1::dirty = "y";
      return;
    }
    Module1::dirty = "";
  }
  Instance()->Close();
  ControlWnd::Instance()->Show();
}

void GraphWnd::CopyBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  auto clipboard = platform::RuntimeCheckCast<platform::Clipboard>(
      platform::RuntimeNewObject(platform::Clipboard::Lookup()));
  clipboard->SetPicture(Canvas1()->Backdrop());
  clipboard->Close();
  platform::MsgBox("Copied to clipboard");
}

void GraphWnd::SaveBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  platform::ExportPicture(Canvas1()->Backdrop());
  Module1::dirty = "";
}

void GraphWnd::PrintBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  std::shared_ptr<platform::Graphics> g = platform::OpenPrinterDialog();
  if (!g) return;
  std::shared_ptr<platform::Picture> p = Canvas1()->Backdrop();
  const platform::Picture& picture = platform::NotNil(p);
  g->DrawPicture(p, kPrintLeft, kPrintTop, kPrintWidth, kPrintHeight, 0, 0, picture.Width(),
                 picture.Height());
}

}  // namespace corvane
