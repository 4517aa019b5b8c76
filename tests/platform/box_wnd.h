#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/class_record.h"
#include "platform/window.h"

namespace testing_support {

// A borderless box without a close box that takes keys and clicks itself, like an About box.
class BoxWnd : public platform::Window {
 public:
  static std::shared_ptr<BoxWnd> Instance();
  static const platform::ClassRecord& Lookup();

  virtual void Layout();
  virtual void CreateControls();
  virtual bool Event_KeyDown(std::string key);
  virtual bool Event_MouseDown(int32_t x, int32_t y);

  static std::vector<std::string> journal;
  static void Reset();
};

}  // namespace testing_support
