#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <variant>

#include "platform/core/color.h"
#include "platform/core/exceptions.h"
#include "platform/core/object.h"

namespace platform {

// One argument or result of an operation called by name (through an invoker or a delegate): nil,
// a Boolean, Int32, Double, String, Color, or an object reference. Objects outside the class-record
// world (a Picture) travel as references tagged with their C++ type.
class Value {
 public:
  Value() = default;
  Value(bool value) : content_(value) {}
  Value(int32_t value) : content_(value) {}
  Value(double value) : content_(value) {}
  // Spelled out so that a text literal never turns into a Boolean.
  Value(const char* value) : content_(std::string(value)) {}
  Value(std::string value) : content_(std::move(value)) {}
  Value(Color value) : content_(value) {}
  template <class T>
  Value(std::shared_ptr<T> object) {
    if (!object) return;
    if constexpr (std::is_base_of_v<Object, T>) {
      content_ = std::shared_ptr<Object>(std::move(object));
    } else {
      content_ = Foreign{std::shared_ptr<void>(object), std::type_index(typeid(T))};
    }
  }

  bool IsNil() const { return std::holds_alternative<std::monostate>(content_); }
  // True only for the Boolean True; what an event handler's result means to the framework.
  bool IsTrue() const {
    const bool* held = std::get_if<bool>(&content_);
    return held && *held;
  }

  // The value as T; raises IllegalCastException when it holds something else. Nil gives a nil
  // reference for object types and raises for the others.
  template <class T>
  T As() const;

 private:
  struct Foreign {
    std::shared_ptr<void> pointer;
    std::type_index type;
  };

  template <class T>
  T Scalar(const char* typeName) const {
    if (const T* held = std::get_if<T>(&content_)) return *held;
    throw IllegalCastException(std::string("Value is not a ") + typeName);
  }

  template <class T>
  std::shared_ptr<T> Reference() const {
    if (IsNil()) return nullptr;
    if constexpr (std::is_base_of_v<Object, T>) {
      if (const auto* held = std::get_if<std::shared_ptr<Object>>(&content_)) {
        if (auto cast = std::dynamic_pointer_cast<T>(*held)) return cast;
      }
    } else {
      const auto* held = std::get_if<Foreign>(&content_);
      if (held && held->type == std::type_index(typeid(T))) {
        return std::static_pointer_cast<T>(held->pointer);
      }
    }
    throw IllegalCastException("Value is not an object of the expected class");
  }

  template <class T>
  friend struct ValueCast;

  std::variant<std::monostate, bool, int32_t, double, std::string, Color, std::shared_ptr<Object>,
               Foreign>
      content_;
};

template <class T>
struct ValueCast;

template <>
struct ValueCast<bool> {
  static bool From(const Value& value) { return value.Scalar<bool>("Boolean"); }
};
template <>
struct ValueCast<int32_t> {
  static int32_t From(const Value& value) { return value.Scalar<int32_t>("Int32"); }
};
template <>
struct ValueCast<double> {
  static double From(const Value& value) { return value.Scalar<double>("Double"); }
};
template <>
struct ValueCast<std::string> {
  static std::string From(const Value& value) { return value.Scalar<std::string>("String"); }
};
template <>
struct ValueCast<Color> {
  static Color From(const Value& value) { return value.Scalar<Color>("Color"); }
};
template <>
struct ValueCast<Value> {
  static Value From(const Value& value) { return value; }
};
template <class T>
struct ValueCast<std::shared_ptr<T>> {
  static std::shared_ptr<T> From(const Value& value) { return value.Reference<T>(); }
};

template <class T>
T Value::As() const {
  return ValueCast<T>::From(*this);
}

}  // namespace platform
