#include "platform/runtime.h"

#include <QApplication>
#include <memory>

namespace platform {
namespace {
std::unique_ptr<QApplication> application;
int32_t exitStatus = 0;
}  // namespace

void RuntimeInit(int& argc, char** argv) {
  if (!application) application = std::make_unique<QApplication>(argc, argv);
}

int32_t RuntimeExit() {
  application.reset();
  return exitStatus;
}

}  // namespace platform
