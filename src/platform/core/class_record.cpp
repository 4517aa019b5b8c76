#include "platform/core/class_record.h"

#include <map>

namespace platform {
namespace {

// Records live for the whole run and are never moved, so references to them stay valid.
std::map<std::string, std::unique_ptr<ClassRecord>>& Registry() {
  static std::map<std::string, std::unique_ptr<ClassRecord>> registry;
  return registry;
}

bool IsConstructionHook(const std::string& eventName) {
  return eventName == "Layout" || eventName == "CreateControls" || eventName == "AddMenuHandlers";
}

std::string ClassNameOf(const Object& object) {
  const ClassRecord* record = object.ClassRecordOf();
  return record ? record->name : "an object";
}

}  // namespace

std::vector<const MemberRecord*> ClassRecord::MethodTable() const {
  std::vector<const MemberRecord*> table;
  if (superclass) table = superclass->MethodTable();
  for (const MemberRecord& method : methods) {
    if (method.inMethodTable) table.push_back(&method);
  }
  return table;
}

const MemberRecord* ClassRecord::FindMethod(const std::string& methodName,
                                            const std::string& signature) const {
  for (const MemberRecord& method : methods) {
    if (method.name == methodName && (signature.empty() || method.signature == signature)) {
      return &method;
    }
  }
  return superclass ? superclass->FindMethod(methodName, signature) : nullptr;
}

const EventEntry* ClassRecord::FindEvent(const std::string& eventName) const {
  for (const EventEntry& entry : events) {
    if (entry.eventName == eventName) return &entry;
  }
  return nullptr;
}

void ClassRecord::SetEventHandler(const std::string& eventName) {
  std::string handler = IsConstructionHook(eventName) ? eventName : "Event_" + eventName;
  if (!FindMethod(handler)) {
    throw RuntimeException(name + " has no operation " + handler + " for its " + eventName +
                           " event");
  }
  for (EventEntry& entry : events) {
    if (entry.eventName == eventName) {
      entry.handlerName = handler;
      return;
    }
  }
  throw RuntimeException(name + " has no event " + eventName);
}

bool ClassRecord::IsSubclassOf(const ClassRecord& other) const {
  for (const ClassRecord* record = this; record; record = record->superclass) {
    if (record == &other) return true;
  }
  return false;
}

ClassRecord& RuntimeNewClass(const std::string& name, const ClassRecord* superclass) {
  auto& registry = Registry();
  if (registry.count(name)) throw RuntimeException("Class " + name + " is already registered");
  auto record = std::make_unique<ClassRecord>(name, superclass);
  if (superclass) record->events = superclass->events;
  ClassRecord& registered = *record;
  registry.emplace(name, std::move(record));
  return registered;
}

void RuntimeDisposeClass(const std::string& name) {
  Registry().erase(name);
}

ClassRecord& RegisterClass(ClassRecord*& global, const std::string& name,
                           const ClassRecord* superclass,
                           const std::function<void(ClassRecord&)>& fill) {
  if (global) return *global;
  global = &RuntimeNewClass(name, superclass);
  try {
    fill(*global);
  } catch (...) {
    global = nullptr;
    RuntimeDisposeClass(name);
    throw;
  }
  return *global;
}

std::vector<FieldRecord> ScopedFields(
    const std::string& scope, std::initializer_list<std::pair<const char*, const char*>> fields) {
  std::vector<FieldRecord> records;
  for (const auto& [name, typeCode] : fields) {
    records.push_back({name, typeCode, {Attribute("__Scope", scope)}});
  }
  return records;
}

ClassDeclaration PublicClass(std::vector<MemberRecord> methods,
                             std::vector<std::string> handledEvents) {
  return {.methods = std::move(methods),
          .handledEvents = std::move(handledEvents),
          .attributes = {Attribute("__Scope", "Public")}};
}

void CompleteClassRecord(ClassRecord& record, ClassRecord::Factory factory,
                         ClassDeclaration declaration) {
  record.factory = std::move(factory);
  for (const std::string& event : declaration.newEvents) record.events.push_back({event, ""});
  record.methods = std::move(declaration.methods);
  record.fields = std::move(declaration.fields);
  for (const std::string& event : declaration.handledEvents) record.SetEventHandler(event);
  record.attributes = std::move(declaration.attributes);
}

const ClassRecord* FindClassRecord(const std::string& name) {
  auto& registry = Registry();
  auto found = registry.find(name);
  return found == registry.end() ? nullptr : found->second.get();
}

std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record) {
  if (!record.factory) throw RuntimeException("Class " + record.name + " cannot be instantiated");
  std::shared_ptr<Object> object = record.factory();
  NotNil(object).SetClassRecord(&record);
  return object;
}

std::shared_ptr<Object> RuntimeCheckCast(const std::shared_ptr<Object>& object,
                                         const ClassRecord& record) {
  const Object& checked = NotNil(object);
  // An object made without a record can only be checked by its C++ type, which the typed
  // overload does after this.
  const ClassRecord* own = checked.ClassRecordOf();
  if (own && !own->IsSubclassOf(record)) {
    throw IllegalCastException("Cannot cast " + ClassNameOf(checked) + " to " + record.name);
  }
  return object;
}

}  // namespace platform
