#include "platform/menus/application.h"

#include "platform/core/class_record.h"
#include "platform/core/exceptions.h"
#include "platform/menus/menu_bar.h"

namespace platform {
namespace {
std::shared_ptr<Application> registeredApp;
}  // namespace

const ClassRecord& Application::Lookup() {
  return DeclareClass<Application>(
      "Application", nullptr, [] { return ClassDeclaration{.newEvents = {"EnableMenuItems"}}; });
}

void Application::_AddMenuHandler(const std::string& itemName,
                                  const std::shared_ptr<Delegate>& handler) {
  menuHandlers_.Add(*this, itemName, handler);
}

void Application::RunEnableMenuItems() {
  const ClassRecord* record = ClassRecordOf();
  const EventEntry* entry = record ? record->FindEvent("EnableMenuItems") : nullptr;
  if (!entry || entry->handlerName.empty()) return;
  const MemberRecord* handler = record->FindMethod(entry->handlerName);
  if (!handler) throw RuntimeException(record->name + " has no operation " + entry->handlerName);
  // Held for the call: the handler may unregister the application object.
  std::shared_ptr<Object> keepAlive = weak_from_this().lock();
  handler->invoker(*this, {});
}

void _RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
  registeredApp = std::move(app);
}

std::shared_ptr<Application> _GetAppObject() {
  return registeredApp;
}

}  // namespace platform
