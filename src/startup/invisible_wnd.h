#pragma once

#include <memory>

#include "platform/core/class_record.h"
#include "platform/windows/implicit_instances.h"
#include "shared/shared_menu_bar_window.h"

namespace corvane {

// The default window the framework opens at start-up. It is never seen: its Open event shows the
// About box as a splash for two to three seconds, then hides it and itself and shows the main
// window.
class InvisibleWnd : public platform::ImplicitWindow<InvisibleWnd, SharedMenuBarWindow> {
 public:
  static const platform::ClassRecord& Lookup();

  virtual void Layout();
  virtual void CreateControls();

  virtual void Event_Open();
};

}  // namespace corvane
