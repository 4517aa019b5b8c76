#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/class_record.h"
#include "platform/label.h"
#include "platform/property_record.h"
#include "platform/push_button.h"
#include "platform/rectangle_control.h"
#include "platform/text_area.h"
#include "platform/window.h"

namespace testing_support {

// A window class of the tests' own, described the way the program's windows are: a class record,
// a window record, a creation list and handlers bound by name. Its handlers write what they saw
// into `journal`; tests steer them through the static hooks.
class TestWnd : public platform::Window {
 public:
  static std::shared_ptr<TestWnd> Instance();
  static const platform::ClassRecord& Lookup();
  static void CtblInit();

  // The records, for tests that apply them elsewhere.
  static std::string WindowRecord();
  static std::vector<platform::PropertyEntry> NameFldEntries();

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();
  std::shared_ptr<platform::TextArea> NameFld();
  std::shared_ptr<platform::TextArea> CodeFld();
  std::shared_ptr<platform::PushButton> OkBtn();
  std::shared_ptr<platform::Label> TitleLbl();
  std::shared_ptr<platform::Canvas> Picture();
  std::shared_ptr<platform::Rectangle> Rule();
  virtual bool NameFld_KeyDown(std::shared_ptr<platform::TextArea> field, std::string key);
  virtual void OkBtn_Action(std::shared_ptr<platform::PushButton> button);
  virtual void Picture_Open(std::shared_ptr<platform::Canvas> canvas);
  virtual bool Picture_MouseDown(std::shared_ptr<platform::Canvas> canvas, int32_t x, int32_t y);
  virtual void AddMenuHandlers(std::shared_ptr<platform::Window> w);
  virtual void Event_Open();
  virtual void Event_Close();
  virtual void Event_Activate();
  virtual void Event_EnableMenuItems();
  virtual bool _HelloItem_Action();

  static std::vector<std::string> journal;
  // Runs in OkBtn_Action after it was journalled; empty does nothing more.
  static std::function<void(TestWnd&)> okAction;
  // Keys NameFld_KeyDown consumes (after journalling them).
  static std::string swallowedKeys;
  static bool failLayout;

  // Closes the open window, if any, and resets the journal and the hooks.
  static void Reset();
};

}  // namespace testing_support
