#include "platform/text/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(RuntimeCvtReal64ToSInt32Test, TruncatesTowardZeroSaturatesAndReadsNaNAsZero) {
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(2.9), 2);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-2.9), -2);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-0.5), 0);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(2147483646.9), 2147483646);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-2147483647.9), -2147483647);
  for (double value : {2147483647.5, 2147483648.0, 1e300, kInfinity}) {
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(value), std::numeric_limits<int32_t>::max()) << value;
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(-value - 1.0), std::numeric_limits<int32_t>::min()) << value;
  }
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(kNaN), 0);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-kNaN), 0);
}

TEST(RoundTest, HalvesGoAwayFromZeroAndNothingElseIsPushedOver) {
  for (double half : {0.5, 1.5, 2.5}) {
    EXPECT_EQ(Round(half), half + 0.5);
    EXPECT_EQ(Round(-half), -half - 0.5);
  }
  EXPECT_EQ(Round(2.4), 2.0);
  EXPECT_EQ(Round(-2.6), -3.0);
  // Adding one half before flooring gets these wrong.
  EXPECT_EQ(Round(0.49999999999999994), 0.0);
  EXPECT_EQ(Round(-0.49999999999999994), 0.0);
  EXPECT_EQ(Round(4503599627370497.0), 4503599627370497.0);
  EXPECT_EQ(Round(kInfinity), kInfinity);
  EXPECT_EQ(Round(-kInfinity), -kInfinity);
  EXPECT_TRUE(std::isnan(Round(kNaN)));
}

}  // namespace
}  // namespace platform
