#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/system/runtime.h"

int main(int argc, char** argv) {
  // Only the fonts the set-up installs, so renderings are the same on every machine.
  setenv("FONTCONFIG_FILE", CORVANE_FONTCONFIG, 1);
  ::testing::InitGoogleTest(&argc, argv);
  platform::RuntimeInit(argc, argv);
  int status = RUN_ALL_TESTS();
  platform::RuntimeExit();
  return status;
}
