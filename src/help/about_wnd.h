#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/controls/canvas.h"
#include "platform/controls/label.h"
#include "platform/core/class_record.h"
#include "platform/windows/implicit_instances.h"
#include "platform/windows/window.h"

namespace corvane {

// The About box: the product's name, its picture, a badge and the notice line. It is the splash
// at start-up and comes back from either About item; any key or click in it gives way to the main
// window. Nothing closes it.
class AboutWnd : public platform::ImplicitWindow<AboutWnd> {
 public:
  static const platform::ClassRecord& Lookup();

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();

  virtual std::shared_ptr<platform::Label> StaticText5();
  virtual std::shared_ptr<platform::Canvas> Canvas1();
  virtual std::shared_ptr<platform::Canvas> Canvas2();
  virtual std::shared_ptr<platform::Label> StaticText1();

  virtual bool Event_KeyDown(std::string key);
  virtual bool Event_MouseDown(int32_t x, int32_t y);
};

// The notice line along the bottom of the About box.
inline constexpr char kNoticeLine[] = "Copyright \u00A9 2007 the Corvane authors";

}  // namespace corvane
