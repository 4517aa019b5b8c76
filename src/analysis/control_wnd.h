#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/controls/canvas.h"
#include "platform/controls/label.h"
#include "platform/controls/push_button.h"
#include "platform/controls/rectangle_control.h"
#include "platform/core/class_record.h"
#include "platform/text_area/text_area.h"
#include "platform/windows/implicit_instances.h"
#include "platform/windows/window.h"

namespace corvane {

// The main window: the variable-count field, the eigenvalue field that later shows the report, the
// Clear, Calculate, Print and Graph buttons, the title block and the question mark. Closing it
// quits Corvane.
class ControlWnd : public platform::ImplicitWindow<ControlWnd> {
 public:
  static const platform::ClassRecord& Lookup();

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();

  virtual std::shared_ptr<platform::TextArea> NVarsFld();
  virtual std::shared_ptr<platform::TextArea> EigenFld();
  virtual std::shared_ptr<platform::PushButton> ClearBtn();
  virtual std::shared_ptr<platform::PushButton> CalculateBtn();
  virtual std::shared_ptr<platform::Label> StaticText3();
  virtual std::shared_ptr<platform::Canvas> Canvas3();
  virtual std::shared_ptr<platform::Label> StaticText4();
  virtual std::shared_ptr<platform::Label> StaticText9();
  virtual std::shared_ptr<platform::Rectangle> Rectangle1();
  virtual std::shared_ptr<platform::Label> StaticText1();
  virtual std::shared_ptr<platform::PushButton> PrintBtn();
  virtual std::shared_ptr<platform::PushButton> GraphBtn();
  virtual std::shared_ptr<platform::Canvas> Canvas1();

  virtual bool NVarsFld_KeyDown(std::shared_ptr<platform::TextArea> field, std::string key);
  virtual bool EigenFld_KeyDown(std::shared_ptr<platform::TextArea> field, std::string key);
  virtual void ClearBtn_Action(std::shared_ptr<platform::PushButton> button);
  virtual void CalculateBtn_Action(std::shared_ptr<platform::PushButton> button);
  virtual void PrintBtn_Action(std::shared_ptr<platform::PushButton> button);
  virtual void GraphBtn_Action(std::shared_ptr<platform::PushButton> button);
  virtual bool Canvas1_MouseDown(std::shared_ptr<platform::Canvas> canvas, int32_t x, int32_t y);
  virtual void AddMenuHandlers(std::shared_ptr<platform::Window> w);
  virtual void Event_Close();
  virtual void Event_Activate();
  virtual void Event_EnableMenuItems();
  virtual bool _DescriptionMenuItem_Action();
  virtual bool _AboutUlk_Action();
};

}  // namespace corvane
