#include "test_wnd.h"

#include "platform/control_creation.h"
#include "platform/delegate.h"
#include "platform/implicit_instances.h"
#include "platform/invoker.h"
#include "platform/property_record.h"
#include "platform/set_properties.h"
#include "platform/user_interaction.h"

namespace testing_support {

using platform::Color;
using platform::kNoControlArrayIndex;
using platform::PropertyRecord;

std::vector<std::string> TestWnd::journal;
std::function<void(TestWnd&)> TestWnd::okAction;
std::string TestWnd::swallowedKeys;
bool TestWnd::failLayout = false;

namespace {

platform::ClassRecord* ctbl = nullptr;

}  // namespace

std::shared_ptr<TestWnd> TestWnd::Instance() {
  return platform::ImplicitInstance<TestWnd>();
}

const platform::ClassRecord& TestWnd::Lookup() {
  CtblInit();
  return *ctbl;
}

void TestWnd::CtblInit() {
  if (ctbl) return;
  ctbl = &platform::RuntimeNewClass("TestWnd.TestWnd", &platform::Window::Lookup());
  ctbl->factory = platform::FactoryFor<TestWnd>();
  using platform::Attribute;
  using platform::Method;
  ctbl->methods = {
      Method("Layout", "%%", &TestWnd::Layout),
      Method("CreateControls", "%%", &TestWnd::CreateControls),
      Method("_CreateControls0", "%%", &TestWnd::_CreateControls0,
             {Attribute("__Scope", "Public"), Attribute("Hidden")}),
      Method("NameFld", "%o<TextArea>%", &TestWnd::NameFld),
      Method("CodeFld", "%o<TextArea>%", &TestWnd::CodeFld),
      Method("OkBtn", "%o<PushButton>%", &TestWnd::OkBtn),
      Method("TitleLbl", "%o<Label>%", &TestWnd::TitleLbl),
      Method("Picture", "%o<Canvas>%", &TestWnd::Picture),
      Method("Rule", "%o<Rectangle>%", &TestWnd::Rule),
      Method("NameFld_KeyDown", "%b%o<TextArea>s", &TestWnd::NameFld_KeyDown),
      Method("OkBtn_Action", "%%o<PushButton>", &TestWnd::OkBtn_Action),
      Method("Picture_Open", "%%o<Canvas>", &TestWnd::Picture_Open),
      Method("Picture_MouseDown", "%b%o<Canvas>i4i4", &TestWnd::Picture_MouseDown),
      Method("AddMenuHandlers", "%%o<Window>", &TestWnd::AddMenuHandlers),
      Method("Event_Open", "%%", &TestWnd::Event_Open),
      Method("Event_Close", "%%", &TestWnd::Event_Close),
      Method("Event_Activate", "%%", &TestWnd::Event_Activate),
      Method("Event_EnableMenuItems", "%%", &TestWnd::Event_EnableMenuItems),
      Method("_HelloItem_Action", "%b%", &TestWnd::_HelloItem_Action),
  };
  for (const char* event : {"Layout", "CreateControls", "AddMenuHandlers", "Open", "Close",
                            "Activate", "EnableMenuItems"}) {
    ctbl->SetEventHandler(event);
  }
  ctbl->attributes = {Attribute("__Scope", "Public")};
}

std::string TestWnd::WindowRecord() {
  return PropertyRecord({
      {"Placement", 0},
      {"Width", 320},
      {"Height", 240},
      {"MinWidth", 64},
      {"MinHeight", 64},
      {"MaxWidth", 32000},
      {"MaxHeight", 32000},
      {"Frame", 0},
      {"Composite", true},
      {"HasBackColor", true},
      {"BackColor", Color(0xFFFFFF)},
      {"Title", "Test window"},
      {"Visible", true},
      {"FullScreen", false},
      {"MenuBarVisible", true},
      {"CloseButton", true},
      {"Resizeable", false},
      {"LiveResize", false},
      {"MaximizeButton", false},
      {"MinimizeButton", true},
      {"MacProcID", 0},
      {"Left", 40},
      {"Top", 50},
      {"_mInitialControlsCreated", 0},
  });
}

std::vector<platform::PropertyEntry> TestWnd::NameFldEntries() {
  return {
      {"Name", "NameFld"},
      {"Index", kNoControlArrayIndex},
      {"Left", 10},
      {"Top", 10},
      {"Width", 200},
      {"Height", 60},
      {"LockLeft", true},
      {"LockTop", true},
      {"LockRight", true},
      {"LockBottom", true},
      {"TabPanelIndex", 0},
      {"TabIndex", 0},
      {"TabStop", true},
      {"Border", true},
      {"Multiline", true},
      {"ScrollbarHorizontal", false},
      {"ScrollbarVertical", true},
      {"Styled", true},
      {"UseFocusRing", false},
      {"TextColor", Color(0x000000)},
      {"BackColor", Color(0xFFFFFF)},
      {"Enabled", true},
      {"Format", ""},
      {"Visible", true},
      {"HelpTag", ""},
      {"AutoDeactivate", true},
      {"HideSelection", true},
      {"TextFont", "Courier"},
      {"Bold", false},
      {"Italic", false},
      {"Underline", false},
      {"Text", ""},
      {"Mask", ""},
      {"ReadOnly", false},
      {"LimitText", 0},
      {"AcceptTabs", false},
      {"Alignment", 0},
      {"AutomaticallyCheckSpelling", true},
      {"DataSource", ""},
      {"DataField", ""},
      {"InitialParent", ""},
  };
}

void TestWnd::Layout() {
  journal.push_back("Layout");
  if (failLayout) throw platform::OutOfBoundsException("Layout failed");
  platform::_SetProperties(*this, WindowRecord());
}

void TestWnd::CreateControls() {
  journal.push_back("CreateControls");
  _CreateControls0();
}

void TestWnd::_CreateControls0() {
  using platform::EventBinding;
  platform::CreateControlsFromList(
      *this,
      {
          {&platform::TextArea::Lookup,
           "NameFld",
           [this] {
             NameFld()->SetTextSize(12);
             NameFld()->SetTextUnit(0);
           },
           PropertyRecord(NameFldEntries()),
           {EventBinding{platform::TextArea::kKeyDownEvent, "NameFld_KeyDown",
                         "( TextArea, String ) as Boolean"}}},
          {&platform::TextArea::Lookup,
           "CodeFld",
           nullptr,
           PropertyRecord({{"Name", "CodeFld"},
                           {"Index", kNoControlArrayIndex},
                           {"Left", 10},
                           {"Top", 80},
                           {"Width", 50},
                           {"Height", 22},
                           {"TabIndex", 1},
                           {"Multiline", true},
                           {"TextFont", "Courier"},
                           {"LimitText", 2},
                           {"Alignment", 2}}),
           {}},
          {&platform::PushButton::Lookup,
           "OkBtn",
           [this] {
             OkBtn()->SetTextSize(12);
             OkBtn()->SetTextUnit(0);
           },
           PropertyRecord({{"Name", "OkBtn"},
                           {"Index", kNoControlArrayIndex},
                           {"Left", 230},
                           {"Top", 10},
                           {"Width", 80},
                           {"Height", 30},
                           {"TabIndex", 2},
                           {"Caption", "OK"},
                           {"Enabled", true},
                           {"Visible", true},
                           {"TextFont", "System"}}),
           {EventBinding{platform::PushButton::kActionEvent, "OkBtn_Action", "( PushButton )"}}},
          {&platform::Label::Lookup,
           "TitleLbl",
           [this] {
             TitleLbl()->SetTextSize(14);
             TitleLbl()->SetTextUnit(0);
           },
           PropertyRecord({{"Name", "TitleLbl"},
                           {"Index", kNoControlArrayIndex},
                           {"Left", 10},
                           {"Top", 110},
                           {"Width", 300},
                           {"Height", 20},
                           {"TabIndex", 3},
                           {"Text", "Title \xC2\xA9 the Corvane authors"},
                           {"TextAlign", 1},
                           {"TextColor", Color(0x0000C8)},
                           {"TextFont", "Times"},
                           {"Bold", true}}),
           {}},
          {&platform::Canvas::Lookup,
           "Picture",
           nullptr,
           PropertyRecord({{"Name", "Picture"},
                           {"Index", kNoControlArrayIndex},
                           {"Left", 10},
                           {"Top", 140},
                           {"Width", 40},
                           {"Height", 30},
                           {"TabIndex", 4},
                           {"Enabled", true}}),
           {EventBinding{platform::Canvas::kOpenEvent, "Picture_Open", "( Canvas )"},
            EventBinding{platform::Canvas::kMouseDownEvent, "Picture_MouseDown",
                         "( Canvas, Int32, Int32 ) as Boolean"}}},
          {&platform::Rectangle::Lookup,
           "Rule",
           nullptr,
           PropertyRecord({{"Name", "Rule"},
                           {"Index", kNoControlArrayIndex},
                           {"Left", 10},
                           {"Top", 190},
                           {"Width", 300},
                           {"Height", 4},
                           {"TabIndex", 5},
                           {"FillColor", Color(0x0000FF)},
                           {"BorderWidth", 1},
                           {"TopLeftColor", Color(0x000080)},
                           {"BottomRightColor", Color(0x00FF00)}}),
           {}},
      });
}

std::shared_ptr<platform::TextArea> TestWnd::NameFld() {
  return platform::RuntimeCheckCast<platform::TextArea>(_ControlByName("NameFld"));
}
std::shared_ptr<platform::TextArea> TestWnd::CodeFld() {
  return platform::RuntimeCheckCast<platform::TextArea>(_ControlByName("CodeFld"));
}
std::shared_ptr<platform::PushButton> TestWnd::OkBtn() {
  return platform::RuntimeCheckCast<platform::PushButton>(_ControlByName("OkBtn"));
}
std::shared_ptr<platform::Label> TestWnd::TitleLbl() {
  return platform::RuntimeCheckCast<platform::Label>(_ControlByName("TitleLbl"));
}
std::shared_ptr<platform::Canvas> TestWnd::Picture() {
  return platform::RuntimeCheckCast<platform::Canvas>(_ControlByName("Picture"));
}
std::shared_ptr<platform::Rectangle> TestWnd::Rule() {
  return platform::RuntimeCheckCast<platform::Rectangle>(_ControlByName("Rule"));
}

bool TestWnd::NameFld_KeyDown(std::shared_ptr<platform::TextArea> field, std::string key) {
  journal.push_back("KeyDown " + field->Name() + " " + std::to_string(key.empty() ? 0 : key[0]));
  if (key == "!") throw std::runtime_error("filter failed");
  return swallowedKeys.find(key) != std::string::npos;
}

void TestWnd::OkBtn_Action(std::shared_ptr<platform::PushButton> button) {
  journal.push_back("Action " + button->Name());
  if (okAction) okAction(*this);
}

void TestWnd::Picture_Open(std::shared_ptr<platform::Canvas> canvas) {
  journal.push_back("Picture_Open " + std::to_string(canvas->Width()) + "x" +
                    std::to_string(canvas->Height()));
}

bool TestWnd::Picture_MouseDown(std::shared_ptr<platform::Canvas> canvas, int32_t x, int32_t y) {
  journal.push_back("MouseDown " + canvas->Name() + " " + std::to_string(x) + "," +
                    std::to_string(y));
  return true;
}

void TestWnd::AddMenuHandlers(std::shared_ptr<platform::Window> w) {
  journal.push_back("AddMenuHandlers");
  std::shared_ptr<TestWnd> self = platform::RuntimeCheckCast<TestWnd>(w);
  self->_AddMenuHandler("HelloItem", platform::DelegateFromMethodTable(self, "_HelloItem_Action",
                                                                       "(  ) as Boolean", false));
}

void TestWnd::Event_Open() {
  bool sameWindow = Instance().get() == this;
  journal.push_back(std::string("Open visible=") + (Visible() ? "1" : "0") +
                    " same=" + (sameWindow ? "1" : "0"));
}

void TestWnd::Event_Close() {
  journal.push_back("Close");
}
void TestWnd::Event_Activate() {
  journal.push_back("Activate");
}
void TestWnd::Event_EnableMenuItems() {
  journal.push_back("EnableMenuItems");
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
}

}  // namespace testing_support
