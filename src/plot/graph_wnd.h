#pragma once

#include <memory>

#include "platform/controls/canvas.h"
#include "platform/controls/push_button.h"
#include "platform/core/class_record.h"
#include "platform/windows/implicit_instances.h"
#include "platform/windows/window.h"

namespace corvane {

// The graph window: the scree plot of the last calculation on its canvas, built when the window
// is, and the Close, Copy, Save and Print buttons below it. It has no close box: only its Close
// button closes it, which shows the main window again.
class GraphWnd : public platform::ImplicitWindow<GraphWnd> {
 public:
  static const platform::ClassRecord& Lookup();

  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();

  virtual std::shared_ptr<platform::Canvas> Canvas1();
  virtual std::shared_ptr<platform::PushButton> CloseBtn();
  virtual std::shared_ptr<platform::PushButton> CopyBtn();
  virtual std::shared_ptr<platform::PushButton> SaveBtn();
  virtual std::shared_ptr<platform::PushButton> PrintBtn();

  virtual void Canvas1_Open(std::shared_ptr<platform::Canvas> canvas);
  virtual void CloseBtn_Action(std::shared_ptr<platform::PushButton> button);
  virtual void CopyBtn_Action(std::shared_ptr<platform::PushButton> button);
  virtual void SaveBtn_Action(std::shared_ptr<platform::PushButton> button);
  virtual void PrintBtn_Action(std::shared_ptr<platform::PushButton> button);
};

}  // namespace corvane
