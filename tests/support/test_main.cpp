#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/system/runtime.h"

int main(int argc, char** argv) {
  // Only the fonts the set-up installs, so renderings are the same on every machine.
  setenv("FONTCONFIG_FILE", CORVANE_FONTCONFIG, 1);
  // Dates in one zone and one locale on every machine, so that a report's date line can be held
  // to the text a person reads. The zone is not UTC and the date locale not the C one, so a date
  // that ignores either reads differently. Only the date formats change: numbers stay as they are.
  unsetenv("LC_ALL");
  setenv("LC_TIME", "de_DE.UTF-8", 1);
  setenv("TZ", "AST-3", 1);
  ::testing::InitGoogleTest(&argc, argv);
  platform::RuntimeInit(argc, argv);
  int status = RUN_ALL_TESTS();
  platform::RuntimeExit();
  return status;
}
