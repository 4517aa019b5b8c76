#pragma once

#include <memory>

namespace platform {

class ClassRecord;

// Root of every object that a class record describes: windows, controls and the program's own
// classes. Objects are shared through std::shared_ptr; the framework keeps a window alive while it
// runs one of its handlers by taking a shared reference from the object itself.
class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;

  // The record the object was created from (RuntimeNewObject); nullptr for an object made directly.
  const ClassRecord* ClassRecordOf() const { return classRecord_; }
  void SetClassRecord(const ClassRecord* record) { classRecord_ = record; }

 private:
  const ClassRecord* classRecord_ = nullptr;
};

}  // namespace platform
