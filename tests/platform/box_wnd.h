#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/class_record.h"
#include "platform/windows/window.h"

namespace testing_support {

// A borderless box without a close box that takes keys and clicks itself, like an About box: any
// of them notes itself in `journal` and hides the box.
class BoxWnd : public platform::Window {
 public:
  static std::shared_ptr<BoxWnd> Instance();
  static const platform::ClassRecord& Lookup();

  void Layout();
  void CreateControls();
  bool Event_KeyDown(std::string key) { return Dismiss("KeyDown " + key); }
  bool Event_MouseDown(int32_t x, int32_t y) {
    return Dismiss("MouseDown " + std::to_string(x) + "," + std::to_string(y));
  }

  static std::vector<std::string> journal;
  static void Reset();

 private:
  bool Dismiss(const std::string& entry);
};

}  // namespace testing_support
