#include <gtest/gtest.h>

#include "platform/system/runtime.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  platform::RuntimeInit(argc, argv);
  int status = RUN_ALL_TESTS();
  platform::RuntimeExit();
  return status;
}
