#include "test_wnd.h"

#include "platform/core/delegate.h"
#include "platform/core/invoker.h"
#include "platform/properties/property_record.h"
#include "platform/properties/set_properties.h"
#include "platform/windows/control_creation.h"
#include "platform/windows/implicit_instances.h"

namespace testing_support {

using platform::Method;
using platform::PropertyRecord;

std::vector<std::string> TestWnd::journal;
std::function<void(TestWnd&)> TestWnd::okAction;
std::string TestWnd::swallowedKeys;
bool TestWnd::failLayout = false;
bool TestWnd::givesPosition = true;

namespace {

void Note(const std::string& what, const platform::RectControl& control,
          const std::string& detail = "") {
  TestWnd::journal.push_back(what + " " + control.Name() + (detail.empty() ? "" : " " + detail));
}

}  // namespace

std::shared_ptr<TestWnd> TestWnd::Instance() {
  return platform::ImplicitInstance<TestWnd>();
}

const platform::ClassRecord& TestWnd::Lookup() {
  static platform::ClassRecord* ctbl = nullptr;
  static const platform::ClassRecord& record = platform::DefineClass<TestWnd>(
      ctbl, "TestWnd.TestWnd", &platform::Window::Lookup(),
      {Method("Layout", "%%", &TestWnd::Layout),
       Method("CreateControls", "%%", &TestWnd::CreateControls),
       Method("AddMenuHandlers", "%%o<Window>", &TestWnd::AddMenuHandlers),
       Method("NameFld_KeyDown", "%b%o<TextArea>s", &TestWnd::NameFld_KeyDown),
       Method("OkBtn_Action", "%%o<PushButton>", &TestWnd::OkBtn_Action),
       Method("Picture_Open", "%%o<Canvas>", &TestWnd::Picture_Open),
       Method("Picture_MouseDown", "%b%o<Canvas>i4i4", &TestWnd::Picture_MouseDown),
       Method("Event_Open", "%%", &TestWnd::Event_Open),
       Method("Event_Close", "%%", &TestWnd::Event_Close),
       Method("Event_Activate", "%%", &TestWnd::Event_Activate),
       Method("Event_EnableMenuItems", "%%", &TestWnd::Event_EnableMenuItems),
       Method("_HelloItem_Action", "%b%", &TestWnd::_HelloItem_Action)},
      {"Layout", "CreateControls", "AddMenuHandlers", "Open", "Close", "Activate",
       "EnableMenuItems"});
  return record;
}

void TestWnd::Layout() {
  journal.push_back("Layout");
  if (failLayout) throw platform::OutOfBoundsException("Layout failed");
  const int32_t given = givesPosition ? 1 : 0;
  const std::string record = PropertyRecord({{"Width", 320},
                                             {"Height", 240},
                                             {"Left", 40 * given},
                                             {"Top", 50 * given},
                                             {"Visible", true}});
  platform::_SetProperties(*this, record);
}

void TestWnd::CreateControls() {
  journal.push_back("CreateControls");
  using platform::Canvas;
  using platform::EventBinding;
  using platform::PushButton;
  using platform::TextArea;
  const std::string nameRecord = PropertyRecord(
      {{"Left", 10}, {"Top", 10}, {"Width", 200}, {"Height", 60}, {"TextFont", "Courier"}});
  const std::string codeRecord =
      PropertyRecord({{"Left", 10}, {"Top", 80}, {"Width", 50}, {"Height", 22}, {"LimitText", 2}});
  const std::string okRecord = PropertyRecord(
      {{"Left", 230}, {"Top", 10}, {"Width", 80}, {"Height", 30}, {"Caption", "OK"}});
  const std::string pictureRecord =
      PropertyRecord({{"Left", 10}, {"Top", 140}, {"Width", 40}, {"Height", 30}});
  const EventBinding keyDown{TextArea::kKeyDownEvent, "NameFld_KeyDown",
                             "( TextArea, String ) as Boolean"};
  const EventBinding action{PushButton::kActionEvent, "OkBtn_Action", "( PushButton )"};
  const EventBinding open{Canvas::kOpenEvent, "Picture_Open", "( Canvas )"};
  const EventBinding mouseDown{Canvas::kMouseDownEvent, "Picture_MouseDown",
                               "( Canvas, Int32, Int32 ) as Boolean"};
  auto setTextSize = [this] { NameFld()->SetTextSize(12); };
  platform::CreateControlsFromList(
      *this, {{&TextArea::Lookup, "NameFld", setTextSize, nameRecord, {keyDown}},
              {&TextArea::Lookup, "CodeFld", nullptr, codeRecord, {}},
              {&PushButton::Lookup, "OkBtn", nullptr, okRecord, {action}},
              {&Canvas::Lookup, "Picture", nullptr, pictureRecord, {open, mouseDown}}});
}

void TestWnd::AddMenuHandlers(std::shared_ptr<platform::Window> self) {
  journal.push_back("AddMenuHandlers");
  self->_AddMenuHandler("HelloItem", platform::DelegateFromMethodTable(self, "_HelloItem_Action",
                                                                       "(  ) as Boolean", false));
}

bool TestWnd::NameFld_KeyDown(std::shared_ptr<platform::TextArea> field, std::string key) {
  Note("KeyDown", *field, std::to_string(key.empty() ? 0 : key[0]));
  if (key == "!") throw std::runtime_error("filter failed");
  return swallowedKeys.find(key) != std::string::npos;
}

void TestWnd::OkBtn_Action(std::shared_ptr<platform::PushButton> button) {
  Note("Action", *button);
  if (okAction) okAction(*this);
}

void TestWnd::Picture_Open(std::shared_ptr<platform::Canvas> canvas) {
  Note("Open", *canvas, std::to_string(canvas->Width()) + "x" + std::to_string(canvas->Height()));
}

bool TestWnd::Picture_MouseDown(std::shared_ptr<platform::Canvas> canvas, int32_t x, int32_t y) {
  Note("MouseDown", *canvas, std::to_string(x) + "," + std::to_string(y));
  return true;
}

void TestWnd::Event_Open() {
  journal.push_back(std::string("Open visible=") + (Visible() ? "1" : "0") +
                    " same=" + (Instance().get() == this ? "1" : "0"));
}

bool TestWnd::_HelloItem_Action() {
  journal.push_back("HelloItem");
  return false;
}

void TestWnd::Reset() {
  if (auto open = platform::_GetImplicitWindow(Lookup().name)) open->Close();
  journal.clear();
  okAction = nullptr;
  swallowedKeys.clear();
  failLayout = false;
  givesPosition = true;
}

}  // namespace testing_support
