#pragma once

#include <memory>

#include "platform/core/class_record.h"
#include "platform/menus/application.h"

namespace corvane {

// The application object. Its only work is the two About items: it keeps AboutUlk enabled
// whatever window is in front, and both About items bring up the About window.
class HandleAboutMenu : public platform::Application {
 public:
  static const platform::ClassRecord& Lookup();

  virtual void Event_EnableMenuItems();
  virtual bool _AboutUlk_Action();
  virtual bool _AboutMenuItem_Action();
  virtual void Constructor();
};

// The registered application object; raises the nil-object exception when none is registered.
std::shared_ptr<HandleAboutMenu> App();

}  // namespace corvane
