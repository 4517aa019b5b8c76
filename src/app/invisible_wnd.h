#pragma once

#include <memory>

#include "platform/apple_menu_item.h"
#include "platform/class_record.h"
#include "platform/menu_item.h"
#include "platform/quit_menu_item.h"
#include "platform/window.h"

namespace corvane {

// The default window the framework opens at start-up. It is never seen: its Open event shows the
// About box as a splash for two to three seconds, then hides it and itself and shows the main
// window.
class InvisibleWnd : public platform::Window {
 public:
  static std::shared_ptr<InvisibleWnd> Instance();
  static const platform::ClassRecord& Lookup();
  static void CtblInit();

  virtual void Layout();
  virtual void CreateControls();

  // The items of the window's menu bar, by name.
  std::shared_ptr<platform::MenuItem> WindowMenu();
  std::shared_ptr<platform::AppleMenuItem> AboutUlk();
  std::shared_ptr<platform::MenuItem> AboutMenuItem();
  std::shared_ptr<platform::MenuItem> DescriptionMenuItem();
  std::shared_ptr<platform::MenuItem> ControlMenuItem();
  std::shared_ptr<platform::MenuItem> UntitledMenu0();
  std::shared_ptr<platform::MenuItem> EditClear();
  std::shared_ptr<platform::MenuItem> EditPaste();
  std::shared_ptr<platform::MenuItem> EditCopy();
  std::shared_ptr<platform::MenuItem> EditCut();
  std::shared_ptr<platform::MenuItem> UntitledMenu1();
  std::shared_ptr<platform::MenuItem> EditUndo();
  std::shared_ptr<platform::MenuItem> FileMenu();
  std::shared_ptr<platform::QuitMenuItem> FileQuit();
  std::shared_ptr<platform::MenuItem> Print();
  std::shared_ptr<platform::MenuItem> UntitledMenu3();

  virtual void Event_Open();
};

}  // namespace corvane
