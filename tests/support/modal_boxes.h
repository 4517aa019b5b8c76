#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/testing/modal_box_simulation.h"
#include "platform/testing/user_simulation.h"

namespace testing_support {

// Runs `show` with the desktop's own boxes, answering each box it shows, one after another, with
// the box's first button; returns what each box showed.
inline std::vector<platform::ModalBoxView> AnswerEveryBox(const std::function<void()>& show) {
  std::vector<platform::ModalBoxView> seen;
  std::shared_ptr<void> pending;
  std::function<void()> answer = [&] {
    if (auto box = platform::FrontModalBox()) {
      seen.push_back(*box);
      platform::PressModalBoxButton(box->buttons.front());
    }
    pending = platform::RunFromEventLoop(answer, 1);
  };
  pending = platform::RunFromEventLoop(answer);
  show();
  pending.reset();
  return seen;
}

}  // namespace testing_support
