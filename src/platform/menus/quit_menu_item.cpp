#include "platform/menus/quit_menu_item.h"

#include "platform/core/class_record.h"

namespace platform {

const ClassRecord& QuitMenuItem::Lookup() {
  static const ClassRecord& record = []() -> const ClassRecord& {
    ClassRecord& registered = RuntimeNewClass("QuitMenuItem", &MenuItem::Lookup());
    registered.factory = FactoryFor<QuitMenuItem>();
    return registered;
  }();
  return record;
}

}  // namespace platform
