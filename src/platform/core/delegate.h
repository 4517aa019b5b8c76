#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/class_record.h"
#include "platform/core/object.h"
#include "platform/core/value.h"

namespace platform {

// An operation bound to its target object, called later by the framework (a control's event, a
// menu command). A weak delegate does not keep its target alive: the target of a control's event
// handler is the window that owns the control, and a strong reference would keep it forever.
class Delegate {
 public:
  Delegate(Invoker invoker, std::string methodName, const std::shared_ptr<Object>& target,
           std::string signature, bool weak);

  // Calls the operation on the target. Raises NilObjectException when a weakly held target no
  // longer exists.
  Value Invoke(const std::vector<Value>& arguments) const;

  // True when the delegate calls its operation on that object.
  bool TargetIs(const Object* object) const;
  // The same delegate holding its target weakly.
  std::shared_ptr<Delegate> WithWeakTarget() const;

  const std::string& MethodName() const { return methodName_; }
  const std::string& Signature() const { return signature_; }

 private:
  Invoker invoker_;
  std::string methodName_;
  std::string signature_;
  std::weak_ptr<Object> weakTarget_;
  std::shared_ptr<Object> strongTarget_;
};

// Raises NilObjectException for a nil target.
std::shared_ptr<Delegate> RuntimeCreateDelegate(Invoker invoker, const std::string& methodName,
                                                const std::shared_ptr<Object>& target,
                                                const std::string& signature, bool weak);

// A delegate over the operation of that name in the target's method table, so an operation a
// subclass replaces is the one bound. Raises RuntimeException when the target's class has no such
// operation (or the target was made without a class record).
std::shared_ptr<Delegate> DelegateFromMethodTable(const std::shared_ptr<Object>& target,
                                                  const std::string& methodName,
                                                  const std::string& signature, bool weak);

}  // namespace platform
