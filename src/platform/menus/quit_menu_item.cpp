#include "platform/menus/quit_menu_item.h"

#include "platform/core/class_record.h"

namespace platform {

const ClassRecord& QuitMenuItem::Lookup() {
  return DeclareClass<QuitMenuItem>("QuitMenuItem", &MenuItem::Lookup);
}

}  // namespace platform
