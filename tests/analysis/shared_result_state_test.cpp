#include <gtest/gtest.h>

#include "analysis/scree_calculation.h"
#include "recording_scree_window.h"
#include "shared/module1.h"

namespace corvane {
namespace {

using testing_support::RecordingScreeWindow;

class SharedResultStateTest : public ::testing::Test {
 protected:
  void TearDown() override { Module1::Initialize(); }
};

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
