#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/core/object.h"
#include "platform/core/value.h"

namespace platform {

// Calls one operation on a target object with its arguments packed in a list (see invoker.h).
using Invoker = std::function<Value(Object& target, const std::vector<Value>& arguments)>;

// A name with an optional value, attached to a member or to a class ("__Scope" = "Public";
// "Hidden" without a value).
struct Attribute {
  Attribute(std::string attributeName, std::string attributeValue)
      : name(std::move(attributeName)), value(std::move(attributeValue)), hasValue(true) {}
  explicit Attribute(std::string attributeName) : name(std::move(attributeName)) {}

  std::string name;
  std::string value;
  bool hasValue = false;
};

// An operation of a class: its name, its signature text ("%b%o<TextArea>s"), the invoker that
// calls it by name, and its attributes. A class's private helpers have member records but no place
// in its method table.
struct MemberRecord {
  std::string name;
  std::string signature;
  Invoker invoker;
  std::vector<Attribute> attributes;
  bool inMethodTable = true;
};

// A field of a class: its name, its type code ("f8", "A1o<GxLine>") and its attributes.
struct FieldRecord {
  std::string name;
  std::string typeCode;
  std::vector<Attribute> attributes;
};

// One event a class can handle, and the name of the operation that handles it ("" for none).
struct EventEntry {
  std::string eventName;
  std::string handlerName;
};

// The registration of one class: what the framework needs to create its objects, to check casts
// to it, to call its operations by name and to dispatch its events. Built once, then only read.
class ClassRecord {
 public:
  using Factory = std::function<std::shared_ptr<Object>()>;

  ClassRecord(std::string className, const ClassRecord* superclassRecord)
      : name(std::move(className)), superclass(superclassRecord) {}

  std::string name;
  const ClassRecord* superclass;
  Factory factory;                    // empty for a class that cannot be instantiated
  std::vector<MemberRecord> methods;  // own operations, in declaration order
  std::vector<FieldRecord> fields;    // own fields, in field order
  std::vector<EventEntry> events;     // the event table; starts as a copy of the superclass's
  std::vector<Attribute> attributes;  // class attributes

  // The superclass's operations followed by the own ones, leaving out those kept out of the table.
  std::vector<const MemberRecord*> MethodTable() const;

  // The operation of that name, searching this class before its superclasses, so an operation a
  // subclass replaces is the one found. With a signature, only an operation of that signature
  // matches (for overloaded names). nullptr when there is none.
  const MemberRecord* FindMethod(const std::string& methodName,
                                 const std::string& signature = "") const;

  const EventEntry* FindEvent(const std::string& eventName) const;

  // Fills the event's entry with its handler: the construction hooks (Layout, CreateControls,
  // AddMenuHandlers) are handled by the operation of the same name, every other event by
  // "Event_" + its name. Raises RuntimeException when the event or the operation is missing, so a
  // mistyped registration fails at start-up instead of silently losing the event.
  void SetEventHandler(const std::string& eventName);

  // True for this class and for every class derived from it.
  bool IsSubclassOf(const ClassRecord& other) const;
};

// Creates and registers the record of a new class; its event table starts as the superclass's.
// Raises RuntimeException when a class of that name is already registered.
ClassRecord& RuntimeNewClass(const std::string& name, const ClassRecord* superclass);

// Forgets the registration of that name, so the class can be registered again.
void RuntimeDisposeClass(const std::string& name);

// Registers a class into its record global: the new record is stored there at once, then `fill`
// completes it. If `fill` fails, the registration is undone and the global cleared before the
// exception passes on, so a later attempt registers the class afresh. Does nothing when the global
// is already set.
ClassRecord& RegisterClass(ClassRecord*& global, const std::string& name,
                           const ClassRecord* superclass,
                           const std::function<void(ClassRecord&)>& fill);

// The registered record of that name, or nullptr.
const ClassRecord* FindClassRecord(const std::string& name);

// A new object of the class, remembering its record. Raises RuntimeException for a class without
// a factory.
std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record);

// The object itself when it is an instance of the class (or of a subclass). Raises
// NilObjectException for nil and IllegalCastException for an object of another class.
std::shared_ptr<Object> RuntimeCheckCast(const std::shared_ptr<Object>& object,
                                         const ClassRecord& record);

// The same, typed: T is a class with a static Lookup() returning its record.
template <class T>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<Object>& object) {
  std::shared_ptr<T> typed = std::dynamic_pointer_cast<T>(RuntimeCheckCast(object, T::Lookup()));
  if (!typed) throw IllegalCastException("Object is not a " + T::Lookup().name);
  return typed;
}

// A factory for the record of class T.
template <class T>
ClassRecord::Factory FactoryFor() {
  return [] { return std::static_pointer_cast<Object>(std::make_shared<T>()); };
}

// What a class declares of its own besides its name and superclass; every part may stay empty.
struct ClassDeclaration {
  std::vector<MemberRecord> methods;       // own operations, in method-table order
  std::vector<FieldRecord> fields;         // own fields, in field order
  std::vector<std::string> newEvents;      // events the class adds to its table, unhandled
  std::vector<std::string> handledEvents;  // events its own operations handle (SetEventHandler)
  std::vector<Attribute> attributes;       // class attributes
};

// Fields that share one scope (attribute "__Scope" = scope), each a name and a type code, in field
// order.
std::vector<FieldRecord> ScopedFields(
    const std::string& scope, std::initializer_list<std::pair<const char*, const char*>> fields);

// The declaration of a class open to every user (class attribute "__Scope" = "Public"): its own
// operations in method-table order and the events they handle.
ClassDeclaration PublicClass(std::vector<MemberRecord> methods,
                             std::vector<std::string> handledEvents = {});

// Completes a freshly registered record: the factory (empty for a class that cannot be made),
// then the declaration, the events it adds before those its operations handle.
void CompleteClassRecord(ClassRecord& record, ClassRecord::Factory factory,
                         ClassDeclaration declaration);

// A class's declaration, written as a function so that it is built only when the class registers.
using ClassDeclarer = ClassDeclaration (*)();
// A superclass, named by its Lookup, so that it registers first.
using ClassLookup = const ClassRecord& (*)();

// The one way a class is declared: its static Lookup() returns DeclareClass<T>(...). The first
// call registers T (see RegisterClass) under the name, below the superclass, with a factory when
// T can be made (a public default constructor) and what `declare` gives; every call returns the
// record.
template <class T>
const ClassRecord& DeclareClass(const char* name, ClassLookup superclass = nullptr,
                                ClassDeclarer declare = nullptr) {
  static ClassRecord* record = nullptr;
  if (record) return *record;
  return RegisterClass(
      record, name, superclass ? &superclass() : nullptr, [declare](ClassRecord& registered) {
        ClassRecord::Factory factory;
        if constexpr (std::is_default_constructible_v<T> && !std::is_abstract_v<T>) {
          factory = FactoryFor<T>();
        }
        CompleteClassRecord(registered, std::move(factory),
                            declare ? declare() : ClassDeclaration{});
      });
}

}  // namespace platform
