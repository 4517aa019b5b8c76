#pragma once

#include <memory>

#include "platform/core/class_record.h"
#include "platform/menus/menu_bar.h"

namespace corvane {

// Corvane's one menu bar: File, Edit and Window. The application, the help window and the default
// window share the same object, so an item enabled through one is enabled for all.
class Menu : public platform::MenuBar {
 public:
  // The one menu bar, built on the first call.
  static std::shared_ptr<Menu> Instance();
  // Drops the one menu bar (program end).
  static void ReleaseInstance();
  static const platform::ClassRecord& Lookup();

  virtual void Constructor();
  virtual void Untitled1();  // File
  virtual void Untitled2();  // Edit
  virtual void Untitled3();  // Window
};

}  // namespace corvane
