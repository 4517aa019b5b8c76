#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace platform {

// Base of every exception the framework raises. Handlers let these pass; the framework
// catches them where it dispatched the event and reports them by ClassName().
class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  virtual const char* ClassName() const { return "RuntimeException"; }
};

// A member was used on an object that does not exist (or no longer exists).
class NilObjectException : public RuntimeException {
 public:
  NilObjectException() : RuntimeException("Nil object") {}
  explicit NilObjectException(const std::string& message) : RuntimeException(message) {}
  const char* ClassName() const override { return "NilObjectException"; }
};

// An array index outside the array's bounds.
class OutOfBoundsException : public RuntimeException {
 public:
  OutOfBoundsException() : RuntimeException("Index out of bounds") {}
  explicit OutOfBoundsException(const std::string& message) : RuntimeException(message) {}
  const char* ClassName() const override { return "OutOfBoundsException"; }
};

// A checked cast to a class the object is not an instance of.
class IllegalCastException : public RuntimeException {
 public:
  explicit IllegalCastException(const std::string& message) : RuntimeException(message) {}
  const char* ClassName() const override { return "IllegalCastException"; }
};

// Dereferences an object reference, raising the nil-object exception instead of crashing.
template <class T>
T& NotNil(const std::shared_ptr<T>& object) {
  if (!object) throw NilObjectException();
  return *object;
}

}  // namespace platform
