#include "startup/invisible_wnd.h"

#include "analysis/control_wnd.h"
#include "help/about_wnd.h"
#include "platform/core/background_task.h"
#include "platform/text/clock.h"
#include "platform/text/conversions.h"

namespace corvane {

namespace {

constexpr double kTicksPerSecond = 60.0;
constexpr double kSplashSeconds = 2.75;

int32_t WholeSeconds() {
  return platform::RuntimeCvtReal64ToSInt32(static_cast<double>(platform::Ticks()) /
                                            kTicksPerSecond);
}

}  // namespace

void InvisibleWnd::Event_Open() {
  AboutWnd::Instance()->Show();
  const int32_t start = WholeSeconds();
  int32_t now = 0;
  // The test comes before the first clock reading, as the whole-second counts demand: the wait
  // ends once the count has advanced by three, between two and three seconds of real time.
  while (!(static_cast<double>(static_cast<int64_t>(now) - start) > kSplashSeconds)) {
    now = WholeSeconds();
    // A tick counter that wraps to negative values would otherwise keep the splash up for ever.
    if (now < start) break;
    platform::RuntimeBackgroundTask();
  }
  AboutWnd::Instance()->Hide();
  InvisibleWnd::Instance()->Hide();
  ControlWnd::Instance()->Show();
}

}  // namespace corvane
