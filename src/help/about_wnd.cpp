#include "help/about_wnd.h"

#include "analysis/control_wnd.h"

namespace corvane {

bool AboutWnd::Event_KeyDown(std::string /*key*/) {
  Instance()->Hide();
  ControlWnd::Instance()->Show();
  return false;
}

bool AboutWnd::Event_MouseDown(int32_t /*x*/, int32_t /*y*/) {
  Instance()->Hide();
  ControlWnd::Instance()->Show();
  return false;
}

}  // namespace corvane
