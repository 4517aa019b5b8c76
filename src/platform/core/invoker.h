#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/core/class_record.h"
#include "platform/core/exceptions.h"
#include "platform/core/value.h"

namespace platform {
namespace invoker_detail {

template <class C>
C& TargetAs(Object& target) {
  C* typed = dynamic_cast<C*>(&target);
  if (!typed) throw IllegalCastException("Operation called on an object of another class");
  return *typed;
}

inline void CheckArgumentCount(size_t expected, size_t given) {
  if (expected != given) {
    throw RuntimeException("Operation expects " + std::to_string(expected) + " arguments, got " +
                           std::to_string(given));
  }
}

template <class R, class Call>
Value PackResult(Call&& call) {
  if constexpr (std::is_void_v<R>) {
    call();
    return Value();
  } else {
    return Value(call());
  }
}

template <class R, class C, class Method, class... A, size_t... I>
Value Call(C& self, Method method, const std::vector<Value>& arguments, std::index_sequence<I...>) {
  return PackResult<R>(
      [&]() -> R { return (self.*method)(arguments[I].template As<std::decay_t<A>>()...); });
}

}  // namespace invoker_detail

// Turns a member-function pointer into an invoker: the target is checked to be a C, the packed
// arguments are unpacked by the operation's parameter types, and the result is packed. Calls go
// through the pointer, so a virtual operation runs the target's own version.
template <class C, class R, class... A>
Invoker MakeInvoker(R (C::*method)(A...)) {
  return [method](Object& target, const std::vector<Value>& arguments) -> Value {
    invoker_detail::CheckArgumentCount(sizeof...(A), arguments.size());
    return invoker_detail::Call<R, C, decltype(method), A...>(
        invoker_detail::TargetAs<C>(target), method, arguments, std::index_sequence_for<A...>{});
  };
}

template <class C, class R, class... A>
Invoker MakeInvoker(R (C::*method)(A...) const) {
  return [method](Object& target, const std::vector<Value>& arguments) -> Value {
    invoker_detail::CheckArgumentCount(sizeof...(A), arguments.size());
    return invoker_detail::Call<R, const C, decltype(method), A...>(
        invoker_detail::TargetAs<C>(target), method, arguments, std::index_sequence_for<A...>{});
  };
}

// One line of a method table: Method("NVarsFld_KeyDown", "%b%o<TextArea>s",
// &ControlWnd::NVarsFld_KeyDown). Members are public unless other attributes are given.
template <class Pointer>
MemberRecord Method(std::string name, std::string signature, Pointer method,
                    std::vector<Attribute> attributes = {Attribute("__Scope", "Public")}) {
  return MemberRecord{std::move(name), std::move(signature), MakeInvoker(method),
                      std::move(attributes)};
}

}  // namespace platform
