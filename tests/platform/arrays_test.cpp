#include "platform/text/arrays.h"

#include <gtest/gtest.h>

#include <utility>

namespace platform {
namespace {

TEST(ArrayTest, IndicesRunFromZeroToTheUpperBoundThroughEveryRedim) {
  DoubleArray values;
  EXPECT_EQ(values.Ubound(), -1);
  EXPECT_THROW(values(0), OutOfBoundsException);

  values.Redim(2);
  values(0) = 1.0;
  values(2) = 3.0;
  EXPECT_THROW(values(3), OutOfBoundsException);
  EXPECT_THROW(values(-1), OutOfBoundsException);
  values.Redim(5);  // growing keeps the elements and adds zeros
  EXPECT_EQ(values(2), 3.0);
  EXPECT_EQ(values(5), 0.0);
  values.Redim(1);
  EXPECT_EQ(values(0), 1.0);
  EXPECT_THROW(values(2), OutOfBoundsException);
  values.Redim(-1);
  EXPECT_THROW(values(0), OutOfBoundsException);
  values.Redim(2);
  EXPECT_EQ(values(0), 0.0);  // nothing survives emptying
  EXPECT_THROW(values.Redim(-2), OutOfBoundsException);
}

TEST(ArrayTest, InsertAndAppendKeepTheOrder) {
  Array<int32_t> values;
  values.Append(1);
  values.Append(3);
  values.Insert(1, 2);
  values.Insert(3, 4);  // one past the end appends
  ASSERT_EQ(values.Ubound(), 3);
  for (int32_t i = 0; i <= 3; ++i) EXPECT_EQ(values(i), i + 1);
  EXPECT_THROW(values.Insert(5, 0), OutOfBoundsException);
  EXPECT_THROW(values.Insert(-1, 0), OutOfBoundsException);
}

TEST(Array2DTest, BothDimensionsAreCheckedThroughEveryRedim) {
  DoubleArray2D grid(3, 3);
  EXPECT_EQ(grid.Ubound(1), 3);
  EXPECT_EQ(grid.Ubound(2), 3);
  for (auto [row, column] : {std::pair{4, 0}, {0, 4}, {-1, 0}, {0, -1}}) {
    EXPECT_THROW(grid(row, column), OutOfBoundsException) << row << ", " << column;
  }
  EXPECT_THROW(grid.Ubound(3), OutOfBoundsException);

  grid(1, 0) = 2.5;
  grid(1, 1) = 1.5;
  grid(2, 3) = 7.0;
  grid.Redim(5, 2);  // keeps what lies inside both the old and the new bounds
  EXPECT_EQ((std::pair{grid(1, 0), grid(1, 1)}), (std::pair{2.5, 1.5}));
  EXPECT_EQ(grid(5, 2), 0.0);
  EXPECT_THROW(grid(2, 3), OutOfBoundsException);
  grid.Redim(5, 5);
  EXPECT_EQ(grid(1, 1), 1.5);
  EXPECT_EQ(grid(2, 3), 0.0);

  grid.Redim(-1, 5);  // either bound at -1 empties both
  EXPECT_EQ(grid.Ubound(1), -1);
  EXPECT_EQ(grid.Ubound(2), -1);
  grid.Redim(4, 5);
  for (int32_t row = 0; row <= 4; ++row) {
    for (int32_t column = 0; column <= 5; ++column) EXPECT_EQ(grid(row, column), 0.0);
  }
  EXPECT_THROW(grid.Redim(-2, 0), OutOfBoundsException);
}

}  // namespace
}  // namespace platform
