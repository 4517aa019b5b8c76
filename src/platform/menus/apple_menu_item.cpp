#include "platform/menus/apple_menu_item.h"

#include "platform/core/class_record.h"

namespace platform {

const ClassRecord& AppleMenuItem::Lookup() {
  return DeclareClass<AppleMenuItem>("AppleMenuItem", &MenuItem::Lookup);
}

}  // namespace platform
