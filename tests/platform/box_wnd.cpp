#include "box_wnd.h"

#include "platform/canvas.h"
#include "platform/control_creation.h"
#include "platform/implicit_instances.h"
#include "platform/invoker.h"
#include "platform/label.h"
#include "platform/property_record.h"
#include "platform/set_properties.h"

namespace testing_support {

using platform::PropertyRecord;

std::vector<std::string> BoxWnd::journal;

std::shared_ptr<BoxWnd> BoxWnd::Instance() {
  return platform::ImplicitInstance<BoxWnd>();
}

const platform::ClassRecord& BoxWnd::Lookup() {
  static const platform::ClassRecord& record = []() -> const platform::ClassRecord& {
    platform::ClassRecord& registered =
        platform::RuntimeNewClass("BoxWnd.BoxWnd", &platform::Window::Lookup());
    registered.factory = platform::FactoryFor<BoxWnd>();
    registered.methods = {
        platform::Method("Layout", "%%", &BoxWnd::Layout),
        platform::Method("CreateControls", "%%", &BoxWnd::CreateControls),
        platform::Method("Event_KeyDown", "%b%s", &BoxWnd::Event_KeyDown),
        platform::Method("Event_MouseDown", "%b%i4i4", &BoxWnd::Event_MouseDown),
    };
    for (const char* event : {"Layout", "CreateControls", "KeyDown", "MouseDown"}) {
      registered.SetEventHandler(event);
    }
    return registered;
  }();
  return record;
}

void BoxWnd::Layout() {
  platform::_SetProperties(*this, PropertyRecord({{"Width", 200},
                                                  {"Height", 100},
                                                  {"Frame", 2},
                                                  {"HasBackColor", true},
                                                  {"BackColor", platform::Color(0xFFFFFF)},
                                                  {"Title", ""},
                                                  {"Visible", true},
                                                  {"CloseButton", false},
                                                  {"MinimizeButton", false}}));
}

void BoxWnd::CreateControls() {
  platform::CreateControlsFromList(*this, {{&platform::Label::Lookup,
                                            "Notice",
                                            nullptr,
                                            PropertyRecord({{"Name", "Notice"},
                                                            {"Left", 0},
                                                            {"Top", 80},
                                                            {"Width", 200},
                                                            {"Height", 20},
                                                            {"Text", "Notice"},
                                                            {"TextAlign", 1}}),
                                            {}},
                                           {&platform::Canvas::Lookup,
                                            "Badge",
                                            nullptr,
                                            PropertyRecord({{"Name", "Badge"},
                                                            {"Left", 50},
                                                            {"Top", 10},
                                                            {"Width", 100},
                                                            {"Height", 50},
                                                            {"Enabled", false}}),
                                            {}}});
}

bool BoxWnd::Event_KeyDown(std::string key) {
  journal.push_back("KeyDown " + key);
  Hide();
  return false;
}

bool BoxWnd::Event_MouseDown(int32_t x, int32_t y) {
  journal.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
  Hide();
  return false;
}

void BoxWnd::Reset() {
  if (auto open = platform::_GetImplicitWindow(Lookup().name)) open->Close();
  journal.clear();
}

}  // namespace testing_support
