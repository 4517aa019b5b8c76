#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/exceptions.h"

namespace platform {

namespace detail {
// Kept out of line so that the bounds checks stay small enough to inline into every access.
[[noreturn]] void ThrowIndexOutOfBounds(const std::string& index, int32_t upperBound);
[[noreturn]] void ThrowIndexOutOfBounds(int32_t row, int32_t column, int32_t rows, int32_t columns);
}  // namespace detail

// A one-dimensional dynamic array indexed from 0 to Ubound(); every access is bounds-checked.
template <class T>
class Array {
 public:
  Array() = default;
  explicit Array(int32_t upperBound) { Redim(upperBound); }

  int32_t Ubound() const { return static_cast<int32_t>(items_.size()) - 1; }

  // Keeps the elements that stay inside the new bounds; new elements are T() (0.0 for Double).
  // An upper bound of -1 empties the array.
  void Redim(int32_t upperBound) {
    if (upperBound < -1)
      throw OutOfBoundsException("Redim to upper bound " + std::to_string(upperBound));
    items_.resize(static_cast<size_t>(upperBound + 1));
  }

  void Append(const T& value) { items_.push_back(value); }

  void Insert(int32_t index, const T& value) {
    if (index < 0 || index > Ubound() + 1) {
      detail::ThrowIndexOutOfBounds(std::to_string(index), Ubound() + 1);
    }
    items_.insert(items_.begin() + index, value);
  }

  T& operator()(int32_t index) { return items_[Checked(index)]; }
  const T& operator()(int32_t index) const { return items_[Checked(index)]; }

 private:
  size_t Checked(int32_t index) const {
    if (index < 0 || index > Ubound())
      detail::ThrowIndexOutOfBounds(std::to_string(index), Ubound());
    return static_cast<size_t>(index);
  }

  std::vector<T> items_;
};

// A two-dimensional dynamic array, rows 0..Ubound(1) by columns 0..Ubound(2).
template <class T>
class Array2D {
 public:
  Array2D() = default;
  Array2D(int32_t rowUpperBound, int32_t columnUpperBound) {
    Redim(rowUpperBound, columnUpperBound);
  }

  // dimension 1: rows, dimension 2: columns.
  int32_t Ubound(int dimension) const {
    if (dimension == 1) return rows_ - 1;
    if (dimension == 2) return columns_ - 1;
    throw OutOfBoundsException("Array dimension " + std::to_string(dimension));
  }

  // Keeps the elements inside both old and new bounds; new elements are T(). Either upper bound
  // at -1 empties the array.
  void Redim(int32_t rowUpperBound, int32_t columnUpperBound) {
    if (rowUpperBound < -1 || columnUpperBound < -1) {
      throw OutOfBoundsException("Redim to upper bounds " + std::to_string(rowUpperBound) + ", " +
                                 std::to_string(columnUpperBound));
    }
    int32_t rows = rowUpperBound + 1;
    int32_t columns = columnUpperBound + 1;
    if (rows == 0 || columns == 0) rows = columns = 0;
    std::vector<T> resized(static_cast<size_t>(rows) * static_cast<size_t>(columns), T());
    for (int32_t r = 0; r < std::min(rows, rows_); ++r) {
      for (int32_t c = 0; c < std::min(columns, columns_); ++c) {
        resized[Offset(r, c, columns)] = items_[Offset(r, c, columns_)];
      }
    }
    items_.swap(resized);
    rows_ = rows;
    columns_ = columns;
  }

  T& operator()(int32_t row, int32_t column) { return items_[Checked(row, column)]; }
  const T& operator()(int32_t row, int32_t column) const { return items_[Checked(row, column)]; }

 private:
  static size_t Offset(int32_t row, int32_t column, int32_t columns) {
    return static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(column);
  }
  size_t Checked(int32_t row, int32_t column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
      detail::ThrowIndexOutOfBounds(row, column, rows_, columns_);
    }
    return Offset(row, column, columns_);
  }

  std::vector<T> items_;
  int32_t rows_ = 0;
  int32_t columns_ = 0;
};

using DoubleArray = Array<double>;
using DoubleArray2D = Array2D<double>;

}  // namespace platform
