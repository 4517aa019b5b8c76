#include "platform/text/clock.h"

#include <QDateTime>
#include <QLocale>

namespace platform {
namespace {

std::function<int64_t()> ticksSource;
std::function<std::chrono::system_clock::time_point()> wallClock;

int64_t MonotonicTicks() {
  auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count() * 60 / 1000;
}

// The system locale is read once: building it is costly and it does not change during a run.
const QLocale& SystemLocale() {
  static const QLocale locale = QLocale::system();
  return locale;
}

QDateTime ToQDateTime(std::chrono::system_clock::time_point moment) {
  auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch()).count();
  return QDateTime::fromMSecsSinceEpoch(milliseconds);
}

}  // namespace

int32_t Ticks() {
  int64_t ticks = ticksSource ? ticksSource() : MonotonicTicks();
  // Wraps like the Int32 counter it stands for.
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(ticks)));
}

void SetTicksSourceForTests(std::function<int64_t()> source) {
  ticksSource = std::move(source);
}

void SetWallClockForTests(std::function<std::chrono::system_clock::time_point()> source) {
  wallClock = std::move(source);
}

Date::Date() : moment_(wallClock ? wallClock() : std::chrono::system_clock::now()) {}

std::string Date::ShortDate() const {
  return SystemLocale().toString(ToQDateTime(moment_).date(), QLocale::ShortFormat).toStdString();
}

std::string Date::ShortTime() const {
  return SystemLocale().toString(ToQDateTime(moment_).time(), QLocale::ShortFormat).toStdString();
}

}  // namespace platform
