#include "platform/windows/menu_handlers.h"

#include "platform/core/exceptions.h"

namespace platform {

void MenuHandlers::Add(const Object& owner, const std::string& itemName,
                       const std::shared_ptr<Delegate>& handler) {
  handlers_[itemName] = NotNil(handler).TargetIs(&owner) ? handler->WithWeakTarget() : handler;
}

bool MenuHandlers::Run(const std::string& itemName) const {
  // A copy, so that a handler that registers anew under its own name is not destroyed mid-call.
  std::shared_ptr<Delegate> handler = Find(itemName);
  return handler && handler->Invoke({}).IsTrue();
}

bool MenuHandlers::Has(const std::string& itemName) const {
  return handlers_.count(itemName) > 0;
}

std::shared_ptr<Delegate> MenuHandlers::Find(const std::string& itemName) const {
  auto found = handlers_.find(itemName);
  return found == handlers_.end() ? nullptr : found->second;
}

void MenuHandlers::Clear() {
  handlers_.clear();
}

}  // namespace platform
