#include "startup/handle_about_menu.h"

#include "help/about_wnd.h"
#include "platform/core/invoker.h"
#include "shared/menu_items.h"

namespace corvane {

const platform::ClassRecord& HandleAboutMenu::Lookup() {
  return platform::DeclareClass<HandleAboutMenu>(
      "HandleAboutMenu", &platform::Application::Lookup, [] {
        using platform::Method;
        return platform::PublicClass(
            {
                Method("Event_EnableMenuItems", "%%", &HandleAboutMenu::Event_EnableMenuItems),
                Method("_AboutUlk_Action", "%b%", &HandleAboutMenu::_AboutUlk_Action),
                Method("_AboutMenuItem_Action", "%b%", &HandleAboutMenu::_AboutMenuItem_Action),
                Method("Constructor", "%%", &HandleAboutMenu::Constructor),
            },
            {"EnableMenuItems"});
      });
}

void HandleAboutMenu::Event_EnableMenuItems() {
  platform::NotNil(AboutUlk()).SetEnabled(true);
}

bool HandleAboutMenu::_AboutUlk_Action() {
  AboutWnd::Instance()->Show();
  return false;
}

bool HandleAboutMenu::_AboutMenuItem_Action() {
  // Both About items bring up the About box.
  return _AboutUlk_Action();
}

void HandleAboutMenu::Constructor() {}

std::shared_ptr<HandleAboutMenu> App() {
  return platform::RuntimeCheckCast<HandleAboutMenu>(platform::_GetAppObject());
}

}  // namespace corvane
