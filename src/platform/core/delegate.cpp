#include "platform/core/delegate.h"

#include "platform/core/exceptions.h"

namespace platform {

Delegate::Delegate(Invoker invoker, std::string methodName, const std::shared_ptr<Object>& target,
                   std::string signature, bool weak)
    : invoker_(std::move(invoker)),
      methodName_(std::move(methodName)),
      signature_(std::move(signature)),
      weakTarget_(target),
      strongTarget_(weak ? nullptr : target) {}

Value Delegate::Invoke(const std::vector<Value>& arguments) const {
  // Held for the whole call: the handler may drop the last other reference to its own target.
  std::shared_ptr<Object> target = strongTarget_ ? strongTarget_ : weakTarget_.lock();
  if (!target) throw NilObjectException("The target of " + methodName_ + " no longer exists");
  return invoker_(*target, arguments);
}

bool Delegate::TargetIs(const Object* object) const {
  std::shared_ptr<Object> target = strongTarget_ ? strongTarget_ : weakTarget_.lock();
  return target.get() == object;
}

std::shared_ptr<Delegate> Delegate::WithWeakTarget() const {
  auto weakened = std::make_shared<Delegate>(*this);
  weakened->strongTarget_.reset();
  return weakened;
}

std::shared_ptr<Delegate> RuntimeCreateDelegate(Invoker invoker, const std::string& methodName,
                                                const std::shared_ptr<Object>& target,
                                                const std::string& signature, bool weak) {
  NotNil(target);
  return std::make_shared<Delegate>(std::move(invoker), methodName, target, signature, weak);
}

std::shared_ptr<Delegate> DelegateFromMethodTable(const std::shared_ptr<Object>& target,
                                                  const std::string& methodName,
                                                  const std::string& signature, bool weak) {
  const ClassRecord* record = NotNil(target).ClassRecordOf();
  const MemberRecord* method = record ? record->FindMethod(methodName) : nullptr;
  if (!method) {
    throw RuntimeException((record ? record->name : std::string("The object")) +
                           " has no operation " + methodName);
  }
  return RuntimeCreateDelegate(method->invoker, methodName, target, signature, weak);
}

}  // namespace platform
