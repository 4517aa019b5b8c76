#include "platform/menus/apple_menu_item.h"

#include "platform/core/class_record.h"

namespace platform {

const ClassRecord& AppleMenuItem::Lookup() {
  static const ClassRecord& record = []() -> const ClassRecord& {
    ClassRecord& registered = RuntimeNewClass("AppleMenuItem", &MenuItem::Lookup());
    registered.factory = FactoryFor<AppleMenuItem>();
    return registered;
  }();
  return record;
}

}  // namespace platform
