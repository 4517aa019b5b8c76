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
  virtual std::shared_ptr<platform::MenuItem> WindowMenu();
  virtual std::shared_ptr<platform::AppleMenuItem> AboutUlk();
  virtual std::shared_ptr<platform::MenuItem> AboutMenuItem();
  virtual std::shared_ptr<platform::MenuItem> DescriptionMenuItem();
  virtual std::shared_ptr<platform::MenuItem> ControlMenuItem();
  virtual std::shared_ptr<platform::MenuItem> UntitledMenu0();
  virtual std::shared_ptr<platform::MenuItem> EditClear();
  virtual std::shared_ptr<platform::MenuItem> EditPaste();
  virtual std::shared_ptr<platform::MenuItem> EditCopy();
  virtual std::shared_ptr<platform::MenuItem> EditCut();
  virtual std::shared_ptr<platform::MenuItem> UntitledMenu1();
  virtual std::shared_ptr<platform::MenuItem> EditUndo();
  virtual std::shared_ptr<platform::MenuItem> FileMenu();
  virtual std::shared_ptr<platform::QuitMenuItem> FileQuit();
  virtual std::shared_ptr<platform::MenuItem> Print();
  virtual std::shared_ptr<platform::MenuItem> UntitledMenu3();

  virtual void Event_Open();
};

}  // namespace corvane
