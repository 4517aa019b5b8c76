#include "box_wnd.h"

#include "platform/controls/canvas.h"
#include "platform/controls/label.h"
#include "platform/core/invoker.h"
#include "platform/properties/property_record.h"
#include "platform/properties/set_properties.h"
#include "platform/windows/control_creation.h"
#include "platform/windows/implicit_instances.h"

namespace testing_support {

using platform::Method;
using platform::PropertyRecord;

std::vector<std::string> BoxWnd::journal;

std::shared_ptr<BoxWnd> BoxWnd::Instance() {
  return platform::ImplicitInstance<BoxWnd>();
}

const platform::ClassRecord& BoxWnd::Lookup() {
  static platform::ClassRecord* ctbl = nullptr;
  static const platform::ClassRecord& record = platform::DefineClass<BoxWnd>(
      ctbl, "BoxWnd.BoxWnd", &platform::Window::Lookup(),
      {Method("Layout", "%%", &BoxWnd::Layout),
       Method("CreateControls", "%%", &BoxWnd::CreateControls),
       Method("Event_KeyDown", "%b%s", &BoxWnd::Event_KeyDown),
       Method("Event_MouseDown", "%b%i4i4", &BoxWnd::Event_MouseDown)},
      {"Layout", "CreateControls", "KeyDown", "MouseDown"});
  return record;
}

void BoxWnd::Layout() {
  const std::string record = PropertyRecord(
      {{"Width", 200}, {"Height", 100}, {"Frame", 2}, {"CloseButton", false}, {"Visible", true}});
  platform::_SetProperties(*this, record);
}

void BoxWnd::CreateControls() {
  // A label and a disabled picture, as an About box has; clicks on either belong to the box.
  const std::string labelRecord =
      PropertyRecord({{"Left", 0}, {"Top", 80}, {"Width", 200}, {"Height", 20}});
  const std::string pictureRecord = PropertyRecord(
      {{"Left", 50}, {"Top", 10}, {"Width", 100}, {"Height", 50}, {"Enabled", false}});
  platform::CreateControlsFromList(
      *this, {{&platform::Label::Lookup, "Notice", nullptr, labelRecord, {}},
              {&platform::Canvas::Lookup, "Badge", nullptr, pictureRecord, {}}});
}

bool BoxWnd::Dismiss(const std::string& entry) {
  journal.push_back(entry);
  Hide();
  return false;
}

void BoxWnd::Reset() {
  if (auto open = platform::_GetImplicitWindow(Lookup().name)) open->Close();
  journal.clear();
}

}  // namespace testing_support
