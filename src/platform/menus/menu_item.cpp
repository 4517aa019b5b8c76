#include "platform/menus/menu_item.h"

#include "platform/core/class_record.h"
#include "platform/core/exceptions.h"

namespace platform {

const ClassRecord& MenuItem::Lookup() {
  return DeclareClass<MenuItem>("MenuItem");
}

void MenuItem::Append(std::shared_ptr<MenuItem> child) {
  if (!child) throw NilObjectException("Appending a nil menu item");
  children_.push_back(std::move(child));
}

int32_t MenuItem::Count() const {
  return static_cast<int32_t>(children_.size());
}

std::shared_ptr<MenuItem> MenuItem::Item(int32_t index) const {
  if (index < 0 || index >= Count()) {
    throw OutOfBoundsException("Menu item " + std::to_string(index) + " outside 0.." +
                               std::to_string(Count() - 1));
  }
  return children_[static_cast<size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::_Lookup(const std::string& name) const {
  // An unnamed item bears no name, so the empty name finds nothing.
  if (name.empty()) return nullptr;
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
    if (auto found = child->_Lookup(name)) return found;
  }
  return nullptr;
}

}  // namespace platform
