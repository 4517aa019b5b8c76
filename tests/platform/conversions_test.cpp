#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int32_t kLargest = std::numeric_limits<int32_t>::max();
constexpr int32_t kSmallest = std::numeric_limits<int32_t>::min();

TEST(RuntimeCvtReal64ToSInt32Test, TruncatesTowardZero) {
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(2.9), 2);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-2.9), -2);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(0.999999), 0);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-0.5), 0);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(99.9), 99);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(7.0), 7);
}

TEST(RuntimeCvtReal64ToSInt32Test, SaturatesBeyondTheRange) {
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(2147483647.0), kLargest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(2147483647.5), kLargest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(2147483648.0), kLargest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(1e300), kLargest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-2147483648.0), kSmallest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-2147483648.5), kSmallest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-2147483649.0), kSmallest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-1e300), kSmallest);
}

TEST(RuntimeCvtReal64ToSInt32Test, InfinitiesSaturateAndNaNGivesZero) {
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(kInfinity), kLargest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-kInfinity), kSmallest);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(kNaN), 0);
  EXPECT_EQ(RuntimeCvtReal64ToSInt32(-kNaN), 0);
}

TEST(RoundTest, HalvesGoAwayFromZero) {
  EXPECT_EQ(Round(0.5), 1.0);
  EXPECT_EQ(Round(-0.5), -1.0);
  EXPECT_EQ(Round(1.5), 2.0);
  EXPECT_EQ(Round(2.5), 3.0);
  EXPECT_EQ(Round(-2.5), -3.0);
  EXPECT_EQ(Round(2.4), 2.0);
  EXPECT_EQ(Round(-2.6), -3.0);
}

TEST(RoundTest, ValuesNextToAHalfAreNotPushedOver) {
  // Adding one half before flooring gets both of these wrong.
  EXPECT_EQ(Round(0.49999999999999994), 0.0);
  EXPECT_EQ(Round(4503599627370497.0), 4503599627370497.0);
  EXPECT_EQ(Round(-0.49999999999999994), 0.0);
}

TEST(RoundTest, NonFiniteValuesPassThrough) {
  EXPECT_EQ(Round(kInfinity), kInfinity);
  EXPECT_EQ(Round(-kInfinity), -kInfinity);
  EXPECT_TRUE(std::isnan(Round(kNaN)));
}

}  // namespace
}  // namespace platform
