#include "help/description_wnd.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/control_wnd.h"
#include "help/about_wnd.h"
#include "shared/menu_items.h"
#include "shared/text_printing.h"
#include "shared/window_helpers.h"

namespace corvane {

void DescriptionWnd::AddMenuHandlers(std::shared_ptr<platform::Window> w) {
  AddMenuActionHandlers(platform::RuntimeCheckCast<DescriptionWnd>(w),
                        {"ControlMenuItem", "AboutMenuItem", "Print"});
}

void DescriptionWnd::Event_Open() {
  DescribeFld2()->SetSelStart(0);
  DescribeFld2()->SetSelLength(kBoldOpeningLength);
  DescribeFld2()->SetSelBold(true);
}

void DescriptionWnd::Event_EnableMenuItems() {
  platform::NotNil(ControlMenuItem()).SetEnabled(true);
  platform::NotNil(AboutMenuItem()).SetEnabled(true);
}

bool DescriptionWnd::_ControlMenuItem_Action() {
  ControlWnd::Instance()->Show();
  return false;
}

bool DescriptionWnd::_AboutMenuItem_Action() {
  AboutWnd::Instance()->Show();
  return false;
}

bool DescriptionWnd::_Print_Action() {
  PrintStyledText(DescribeFld2());
  return false;
}

}  // namespace corvane
