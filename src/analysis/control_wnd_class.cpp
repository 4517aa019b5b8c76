#include "analysis/control_wnd.h"

#include "analysis/scree_report.h"
#include "platform/core/invoker.h"
#include "platform/properties/set_properties.h"
#include "platform/windows/control_creation.h"
#include "shared/bundle_pictures.h"
#include "shared/control_records.h"
#include "shared/window_helpers.h"

namespace corvane {

using platform::Color;
using platform::EventBinding;
using platform::PropertyRecord;

namespace {

const char kKeyDownSignature[] = "( TextArea, String ) as Boolean";
const char kActionSignature[] = "( PushButton )";
const char kMouseDownSignature[] = "( Canvas, Int32, Int32 ) as Boolean";

}  // namespace

const platform::ClassRecord& ControlWnd::Lookup() {
  return platform::DeclareClass<ControlWnd>("ControlWnd.ControlWnd", &platform::Window::Lookup, [] {
    using platform::Method;
    return WindowClass<ControlWnd>(
        {
            Method("NVarsFld", "%o<TextArea>%", &ControlWnd::NVarsFld),
            Method("EigenFld", "%o<TextArea>%", &ControlWnd::EigenFld),
            Method("ClearBtn", "%o<PushButton>%", &ControlWnd::ClearBtn),
            Method("CalculateBtn", "%o<PushButton>%", &ControlWnd::CalculateBtn),
            Method("StaticText3", "%o<Label>%", &ControlWnd::StaticText3),
            Method("Canvas3", "%o<Canvas>%", &ControlWnd::Canvas3),
            Method("StaticText4", "%o<Label>%", &ControlWnd::StaticText4),
            Method("StaticText9", "%o<Label>%", &ControlWnd::StaticText9),
            Method("Rectangle1", "%o<Rectangle>%", &ControlWnd::Rectangle1),
            Method("StaticText1", "%o<Label>%", &ControlWnd::StaticText1),
            Method("PrintBtn", "%o<PushButton>%", &ControlWnd::PrintBtn),
            Method("GraphBtn", "%o<PushButton>%", &ControlWnd::GraphBtn),
            Method("Canvas1", "%o<Canvas>%", &ControlWnd::Canvas1),
            Method("NVarsFld_KeyDown", "%b%o<TextArea>s", &ControlWnd::NVarsFld_KeyDown),
            Method("EigenFld_KeyDown", "%b%o<TextArea>s", &ControlWnd::EigenFld_KeyDown),
            Method("ClearBtn_Action", "%%o<PushButton>", &ControlWnd::ClearBtn_Action),
            Method("CalculateBtn_Action", "%%o<PushButton>", &ControlWnd::CalculateBtn_Action),
            Method("PrintBtn_Action", "%%o<PushButton>", &ControlWnd::PrintBtn_Action),
            Method("GraphBtn_Action", "%%o<PushButton>", &ControlWnd::GraphBtn_Action),
            Method("Canvas1_MouseDown", "%b%o<Canvas>i4i4", &ControlWnd::Canvas1_MouseDown),
            Method("AddMenuHandlers", "%%o<Window>", &ControlWnd::AddMenuHandlers),
            Method("Event_Close", "%%", &ControlWnd::Event_Close),
            Method("Event_Activate", "%%", &ControlWnd::Event_Activate),
            Method("Event_EnableMenuItems", "%%", &ControlWnd::Event_EnableMenuItems),
            Method("_DescriptionMenuItem_Action", "%b%", &ControlWnd::_DescriptionMenuItem_Action),
            Method("_AboutUlk_Action", "%b%", &ControlWnd::_AboutUlk_Action),
        },
        {"AddMenuHandlers", "Close", "EnableMenuItems", "Activate"});
  });
}

void ControlWnd::Layout() {
  // Opens 550 high although the largest height is 500: the window cannot be resized, so the
  // maximum never applies, and the bottom row of buttons needs the room.
  platform::_SetProperties(*this, PropertyRecord(records::WindowEntries({
                                      .width = 500,
                                      .height = 550,
                                      .maxWidth = 500,
                                      .maxHeight = 500,
                                      .title = "Corvane",
                                  })));
}

void ControlWnd::CreateControls() {
  _CreateControls0();
}

void ControlWnd::_CreateControls0() {
  using platform::Canvas;
  using platform::Label;
  using platform::PushButton;
  using platform::TextArea;
  platform::CreateControlsFromList(
      *this,
      {
          {&TextArea::Lookup,
           "NVarsFld",
           TextSizeInCode(this, &ControlWnd::NVarsFld, 14),
           PropertyRecord(records::TextAreaEntries({.name = "NVarsFld",
                                                    .left = 230,
                                                    .top = 150,
                                                    .width = 50,
                                                    .height = 20,
                                                    .tabIndex = 0,
                                                    .textFont = "Courier",
                                                    .limitText = 2,
                                                    .alignment = 2})),
           {EventBinding{TextArea::kKeyDownEvent, "NVarsFld_KeyDown", kKeyDownSignature}}},
          {&TextArea::Lookup,
           "EigenFld",
           TextSizeInCode(this, &ControlWnd::EigenFld, 10),
           PropertyRecord(records::TextAreaEntries({.name = "EigenFld",
                                                    .left = 20,
                                                    .top = 210,
                                                    .width = 350,
                                                    .height = 280,
                                                    .tabIndex = 1,
                                                    .scrollbarVertical = true,
                                                    .styled = true,
                                                    .useFocusRing = false,
                                                    .textFont = "Courier"})),
           {EventBinding{TextArea::kKeyDownEvent, "EigenFld_KeyDown", kKeyDownSignature}}},
          {&PushButton::Lookup,
           "ClearBtn",
           TextSizeInCode(this, &ControlWnd::ClearBtn, 12),
           PropertyRecord(records::PushButtonEntries({.name = "ClearBtn",
                                                      .left = 269,
                                                      .top = 503,
                                                      .width = 80,
                                                      .height = 30,
                                                      .tabIndex = 2,
                                                      .caption = "Clear"})),
           {EventBinding{PushButton::kActionEvent, "ClearBtn_Action", kActionSignature}}},
          {&PushButton::Lookup,
           "CalculateBtn",
           TextSizeInCode(this, &ControlWnd::CalculateBtn, 12),
           PropertyRecord(records::PushButtonEntries({.name = "CalculateBtn",
                                                      .left = 30,
                                                      .top = 503,
                                                      .width = 80,
                                                      .height = 30,
                                                      .tabIndex = 3,
                                                      .caption = "Calculate"})),
           {EventBinding{PushButton::kActionEvent, "CalculateBtn_Action", kActionSignature}}},
          {&Label::Lookup,
           "StaticText3",
           TextSizeInCode(this, &ControlWnd::StaticText3, 12),
           PropertyRecord(records::LabelEntries({.name = "StaticText3",
                                                 .left = 20,
                                                 .top = 192,
                                                 .width = 120,
                                                 .height = 19,
                                                 .tabIndex = 4,
                                                 .text = "Eigenvalues"})),
           {}},
          {&Canvas::Lookup,
           "Canvas3",
           BackdropInCode(this, &ControlWnd::Canvas3, &Corvane),
           PropertyRecord(records::CanvasEntries(
               {.name = "Canvas3", .left = 5, .top = 3, .width = 78, .height = 77, .tabIndex = 5})),
           {}},
          {&Label::Lookup,
           "StaticText4",
           TextSizeInCode(this, &ControlWnd::StaticText4, 36),
           PropertyRecord(records::LabelEntries({.name = "StaticText4",
                                                 .left = 115,
                                                 .top = 1,
                                                 .width = 371,
                                                 .height = 50,
                                                 .tabIndex = 6,
                                                 .text = "Corvane",
                                                 .textAlign = 1,
                                                 .textColor = Color(0x0000C8),
                                                 .bold = true})),
           {}},
          {&Label::Lookup,
           "StaticText9",
           TextSizeInCode(this, &ControlWnd::StaticText9, 12),
           PropertyRecord(records::LabelEntries({.name = "StaticText9",
                                                 .left = 115,
                                                 .top = 48,
                                                 .width = 371,
                                                 .height = 20,
                                                 .tabIndex = 7,
                                                 .text = kCreditLine,
                                                 .textAlign = 1,
                                                 .textColor = Color(0x0000C8),
                                                 .bold = true})),
           {}},
          {&platform::Rectangle::Lookup,
           "Rectangle1",
           nullptr,
           PropertyRecord(records::RectangleEntries({.name = "Rectangle1",
                                                     .left = 115,
                                                     .top = 78,
                                                     .width = 371,
                                                     .height = 2,
                                                     .tabIndex = 8,
                                                     .fillColor = Color(0x0000FF),
                                                     .topLeftColor = Color(0x000080),
                                                     .bottomRightColor = Color(0x0000FF)})),
           {}},
          {&Label::Lookup,
           "StaticText1",
           TextSizeInCode(this, &ControlWnd::StaticText1, 14),
           PropertyRecord(records::LabelEntries({.name = "StaticText1",
                                                 .left = 20,
                                                 .top = 150,
                                                 .width = 210,
                                                 .height = 20,
                                                 .lock = false,
                                                 .tabIndex = 9,
                                                 .text = "Number of variables (3-99):"})),
           {}},
          {&PushButton::Lookup,
           "PrintBtn",
           TextSizeInCode(this, &ControlWnd::PrintBtn, 12),
           PropertyRecord(records::PushButtonEntries({.name = "PrintBtn",
                                                      .left = 400,
                                                      .top = 368,
                                                      .width = 80,
                                                      .height = 30,
                                                      .tabIndex = 10,
                                                      .caption = "Print"})),
           {EventBinding{PushButton::kActionEvent, "PrintBtn_Action", kActionSignature}}},
          {&PushButton::Lookup,
           "GraphBtn",
           TextSizeInCode(this, &ControlWnd::GraphBtn, 12),
           PropertyRecord(records::PushButtonEntries({.name = "GraphBtn",
                                                      .left = 400,
                                                      .top = 456,
                                                      .width = 80,
                                                      .height = 30,
                                                      .tabIndex = 11,
                                                      .caption = "Graph"})),
           {EventBinding{PushButton::kActionEvent, "GraphBtn_Action", kActionSignature}}},
          {&Canvas::Lookup,
           "Canvas1",
           BackdropInCode(this, &ControlWnd::Canvas1, &Deziz68copy),
           PropertyRecord(records::CanvasEntries({.name = "Canvas1",
                                                  .left = 400,
                                                  .top = 210,
                                                  .width = 74,
                                                  .height = 45,
                                                  .lock = false,
                                                  .tabIndex = 12,
                                                  .useFocusRing = true})),
           {EventBinding{Canvas::kMouseDownEvent, "Canvas1_MouseDown", kMouseDownSignature}}},
      });
}

std::shared_ptr<platform::TextArea> ControlWnd::NVarsFld() {
  return ControlNamed<platform::TextArea>(*this, "NVarsFld");
}

std::shared_ptr<platform::TextArea> ControlWnd::EigenFld() {
  return ControlNamed<platform::TextArea>(*this, "EigenFld");
}

std::shared_ptr<platform::PushButton> ControlWnd::ClearBtn() {
  return ControlNamed<platform::PushButton>(*this, "ClearBtn");
}

std::shared_ptr<platform::PushButton> ControlWnd::CalculateBtn() {
  return ControlNamed<platform::PushButton>(*this, "CalculateBtn");
}

std::shared_ptr<platform::Label> ControlWnd::StaticText3() {
  return ControlNamed<platform::Label>(*this, "StaticText3");
}

std::shared_ptr<platform::Canvas> ControlWnd::Canvas3() {
  return ControlNamed<platform::Canvas>(*this, "Canvas3");
}

std::shared_ptr<platform::Label> ControlWnd::StaticText4() {
  return ControlNamed<platform::Label>(*this, "StaticText4");
}

std::shared_ptr<platform::Label> ControlWnd::StaticText9() {
  return ControlNamed<platform::Label>(*this, "StaticText9");
}

std::shared_ptr<platform::Rectangle> ControlWnd::Rectangle1() {
  return ControlNamed<platform::Rectangle>(*this, "Rectangle1");
}

std::shared_ptr<platform::Label> ControlWnd::StaticText1() {
  return ControlNamed<platform::Label>(*this, "StaticText1");
}

std::shared_ptr<platform::PushButton> ControlWnd::PrintBtn() {
  return ControlNamed<platform::PushButton>(*this, "PrintBtn");
}

std::shared_ptr<platform::PushButton> ControlWnd::GraphBtn() {
  return ControlNamed<platform::PushButton>(*this, "GraphBtn");
}

std::shared_ptr<platform::Canvas> ControlWnd::Canvas1() {
  return ControlNamed<platform::Canvas>(*this, "Canvas1");
}

}  // namespace corvane
