#pragma once

#include <memory>
#include <vector>

#include "platform/core/class_record.h"
#include "platform/menus/apple_menu_item.h"
#include "platform/menus/menu_item.h"
#include "platform/menus/quit_menu_item.h"
#include "platform/windows/window.h"

namespace corvane {

// A window that carries the one shared menu bar as its own (the help and default windows) and
// reaches each item of it by name through its own MenuBar. Nil for a name no item bears.
class SharedMenuBarWindow : public platform::Window {
 public:
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

 protected:
  // A subclass's method table: its operations that come before the sixteen accessors above, the
  // accessors in their order, then its other operations.
  static std::vector<platform::MemberRecord> MethodTable(std::vector<platform::MemberRecord> before,
                                                         std::vector<platform::MemberRecord> after);
};

}  // namespace corvane
