#pragma once

#include <cstdint>
#include <memory>

#include "platform/core/class_record.h"
#include "platform/text_area/text_area.h"
#include "platform/windows/implicit_instances.h"
#include "platform/windows/window.h"
#include "shared/shared_menu_bar_window.h"

namespace corvane {

// The help window: the help text, read-only and styled, over an empty Courier area. It carries the
// shared menu bar, prints the help text from File > Print and brings the main window or the About
// box back from the Window menu. Created hidden; the main window shows it.
class DescriptionWnd : public platform::ImplicitWindow<DescriptionWnd, SharedMenuBarWindow> {
 public:
  static const platform::ClassRecord& Lookup();

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();

  virtual std::shared_ptr<platform::TextArea> DescribeFld();
  virtual std::shared_ptr<platform::TextArea> DescribeFld2();

  virtual void AddMenuHandlers(std::shared_ptr<platform::Window> w);
  virtual void Event_Open();
  virtual void Event_EnableMenuItems();
  virtual bool _ControlMenuItem_Action();
  virtual bool _AboutMenuItem_Action();
  virtual bool _Print_Action();
};

// The bold opening of the help text: the title, its two line ends and the start of the first
// sentence, a fixed count that does not follow the title's length.
inline constexpr int32_t kBoldOpeningLength = 29;

}  // namespace corvane
