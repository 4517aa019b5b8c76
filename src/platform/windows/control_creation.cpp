#include "platform/windows/control_creation.h"

#include "platform/core/delegate.h"
#include "platform/properties/set_properties.h"

namespace platform {
namespace {

// Every step looks the control up anew by name, as the window's own accessors do.
std::shared_ptr<RectControl> Fresh(const Window& window, const std::string& name) {
  return std::static_pointer_cast<RectControl>(
      RuntimeCheckCast(window._ControlByName(name), RectControl::Lookup()));
}

void CreateOne(Window& window, const ControlCreation& creation) {
  const ClassRecord& controlClass = creation.controlClass();
  window._AddControl(creation.name, RuntimeCheckCast<RectControl>(RuntimeNewObject(controlClass)));
  if (creation.setInCode) creation.setInCode();
  _SetProperties(Fresh(window, creation.name), creation.record);
  for (const EventBinding& binding : creation.bindings) {
    std::shared_ptr<Delegate> handler = DelegateFromMethodTable(
        window.shared_from_this(), binding.handlerName, binding.signature, /*weak=*/true);
    RuntimeAddEventHandler(Fresh(window, creation.name), binding.eventNumber, handler);
  }
}

}  // namespace

void CreateControlsFromList(Window& window, const std::vector<ControlCreation>& controls) {
  for (const ControlCreation& creation : controls) CreateOne(window, creation);
}

}  // namespace platform
