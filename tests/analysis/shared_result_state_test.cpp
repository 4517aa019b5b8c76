#include <gtest/gtest.h>

#include "analysis/scree_calculation.h"
#include "platform/core/exceptions.h"
#include "recording_scree_window.h"
#include "shared/module1.h"

namespace corvane {
namespace {

using testing_support::RecordingScreeWindow;

class SharedResultStateTest : public ::testing::Test {
 protected:
  void TearDown() override { Module1::Initialize(); }
};

TEST_F(SharedResultStateTest, InitializeStartsFromTheLoadTimeValues) {
  Module1::Initialize();
  Module1::dirty = "y";
  Module1::gN = 20;
  Module1::gCV = 7.0;
  Module1::newlinecolor = 1;
  (*Module1::gArray)(99, 3) = 1.0;
  Module1::Initialize();
  EXPECT_EQ(Module1::dirty, "");
  EXPECT_EQ(Module1::gN, 0);
  EXPECT_EQ(Module1::gCV, 0.0);
  EXPECT_EQ(Module1::newlinecolor, 0);
  EXPECT_EQ((*Module1::gArray)(99, 3), 0.0);
}

// After Finalize the array is gone: a calculation that needs it raises instead of crashing, and
// one refused for its count never needed it.
TEST_F(SharedResultStateTest, ACalculationAfterFinalizeRaisesInsteadOfCrashing) {
  Module1::Finalize();
  RecordingScreeWindow refused("2", "1\r2\r3");
  EXPECT_NO_THROW(CalculateScree(refused));
  EXPECT_EQ(refused.messages.size(), 1u);
  RecordingScreeWindow window("3", "1.5\r1.0\r0.5");
  EXPECT_THROW(CalculateScree(window), platform::NilObjectException);
  EXPECT_EQ(window.eigenvalueTextWrites, 0);
  EXPECT_EQ(Module1::dirty, "");
}

}  // namespace
}  // namespace corvane
