#include "analysis/control_wnd.h"

#include "analysis/key_filters.h"
#include "analysis/scree_calculation.h"
#include "analysis/scree_calculation_window.h"
#include "help/about_wnd.h"
#include "help/description_wnd.h"
#include "platform/core/event_loop.h"
#include "platform/core/user_interaction.h"
#include "platform/text/text_functions.h"
#include "plot/graph_wnd.h"
#include "shared/menu_items.h"
#include "shared/module1.h"
#include "shared/text_printing.h"
#include "shared/window_helpers.h"

namespace corvane {

namespace {

// The calculation reads and writes the main window through these four operations only.
class MainWindowCalculation : public ScreeCalculationWindow {
 public:
  explicit MainWindowCalculation(ControlWnd& window) : window_(window) {}
  std::string VariableCountText() override { return window_.NVarsFld()->Text(); }
  std::string EigenvalueText() override { return window_.EigenFld()->Text(); }
  void SetEigenvalueText(const std::string& text) override { window_.EigenFld()->SetText(text); }
  void ShowMessage(const std::string& text) override { platform::MsgBox(text); }

 private:
  ControlWnd& window_;
};

}  // namespace

bool ControlWnd::NVarsFld_KeyDown(std::shared_ptr<platform::TextArea> /*field*/, std::string key) {
  if (VariableCountKeyAccepted(key)) return false;
  platform::Beep();
  return true;
}

bool ControlWnd::EigenFld_KeyDown(std::shared_ptr<platform::TextArea> /*field*/, std::string key) {
  if (EigenvalueKeyAccepted(key)) return false;
  platform::Beep();
  return true;
}

void ControlWnd::ClearBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  NVarsFld()->SetText("");
  EigenFld()->SetText("");
  Module1::dirty = "";
  NVarsFld()->SetFocus();
}

void ControlWnd::CalculateBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  MainWindowCalculation calculation(*this);
  CalculateScree(calculation);
}

void ControlWnd::PrintBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  if (platform::Len(EigenFld()->Text()) == 0) {
    platform::Beep();
    platform::MsgBox("Nothing to print.");
    return;
  }
  PrintStyledText(EigenFld());
}

void ControlWnd::GraphBtn_Action(std::shared_ptr<platform::PushButton> /*button*/) {
  if (platform::StrComp(Module1::dirty, "y") == 0) {
    GraphWnd::Instance()->Show();
  } else {
    platform::MsgBox("Corvane must be calculated before graph can be displayed.");
  }
}

bool ControlWnd::Canvas1_MouseDown(std::shared_ptr<platform::Canvas> /*canvas*/, int32_t /*x*/,
                                   int32_t /*y*/) {
  DescriptionWnd::Instance()->Show();
  return false;
}

void ControlWnd::AddMenuHandlers(std::shared_ptr<platform::Window> w) {
  AddMenuActionHandlers(platform::RuntimeCheckCast<ControlWnd>(w),
                        {"DescriptionMenuItem", "AboutUlk"});
}

void ControlWnd::Event_Close() {
  platform::Quit(0);
}

void ControlWnd::Event_Activate() {
  AboutWnd::Instance()->Hide();
}

void ControlWnd::Event_EnableMenuItems() {
  platform::NotNil(ControlMenuItem()).SetEnabled(false);
  platform::NotNil(DescriptionMenuItem()).SetEnabled(true);
  platform::NotNil(AboutMenuItem()).SetEnabled(true);
}

bool ControlWnd::_DescriptionMenuItem_Action() {
  DescriptionWnd::Instance()->Show();
  return false;
}

bool ControlWnd::_AboutUlk_Action() {
  AboutWnd::Instance()->Show();
  return false;
}

}  // namespace corvane
