#include "platform/menus/menu_bar.h"

#include "platform/core/class_record.h"
#include "platform/menus/menu_bar_placement.h"

namespace platform {
namespace {

void CollectItems(const MenuItem& parent, std::vector<std::shared_ptr<MenuItem>>& items) {
  for (int32_t index = 0; index < parent.Count(); ++index) {
    std::shared_ptr<MenuItem> child = parent.Item(index);
    items.push_back(child);
    CollectItems(*child, items);
  }
}

}  // namespace

MenuBar::MenuBar() = default;

const ClassRecord& MenuBar::Lookup() {
  return DeclareClass<MenuBar>("MenuBar", &MenuItem::Lookup);
}

std::vector<std::shared_ptr<MenuItem>> MenuBar::AllItems() const {
  std::vector<std::shared_ptr<MenuItem>> items;
  CollectItems(*this, items);
  return items;
}

}  // namespace platform
