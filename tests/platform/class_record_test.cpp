#include "platform/core/class_record.h"

#include <gtest/gtest.h>

#include "platform/core/delegate.h"
#include "platform/core/invoker.h"
#include "platform/windows/window.h"

namespace {

using platform::Method;
using platform::Value;
using Names = std::vector<std::string>;

// A plain class registered the way the line-graph classes are, with an overloaded operation.
class Series : public platform::Object {
 public:
  static const platform::ClassRecord& Lookup() {
    return platform::DeclareClass<Series>("Series", nullptr, [] {
      return platform::PublicClass(
          {Method("Add", "%%f8f8", static_cast<void (Series::*)(double, double)>(&Series::Add)),
           Method("Add", "%%f8", static_cast<void (Series::*)(double)>(&Series::Add)),
           Method("Sum", "%f8%", &Series::Sum)});
    });
  }
  virtual void Add(double x, double y) { total_ += x + y; }
  virtual void Add(double x) { total_ += 10 * x; }
  double Sum() const { return total_; }

 private:
  double total_ = 0;
};

// A subclass that replaces one operation, registered after its superclass.
class DoubledSeries : public Series {
 public:
  static const platform::ClassRecord& Lookup() {
    return platform::DeclareClass<DoubledSeries>("DoubledSeries", &Series::Lookup, [] {
      return platform::PublicClass(
          {Method("Add", "%%f8f8",
                  static_cast<void (DoubledSeries::*)(double, double)>(&DoubledSeries::Add))});
    });
  }
  using Series::Add;
  void Add(double x, double y) override { Series::Add(2 * x, 2 * y); }
};

Value Call(const std::shared_ptr<platform::Object>& object, const std::string& name,
           const std::vector<Value>& arguments, const std::string& signature = "") {
  const platform::MemberRecord* method = object->ClassRecordOf()->FindMethod(name, signature);
  if (!method) throw std::logic_error("no method " + name);
  return method->invoker(*object, arguments);
}

Names MethodNames(const platform::ClassRecord& record) {
  Names names;
  for (const platform::MemberRecord* method : record.MethodTable()) names.push_back(method->name);
  return names;
}

TEST(ClassRecordTest, OperationsAreCalledByNameWithPackedArguments) {
  auto series = platform::RuntimeNewObject(Series::Lookup());
  Call(series, "Add", {Value(1.5), Value(2.0)}, "%%f8f8");
  Call(series, "Add", {Value(1.0)}, "%%f8");
  EXPECT_DOUBLE_EQ(Call(series, "Sum", {}).As<double>(), 13.5);
  EXPECT_THROW(Call(series, "Add", {Value(1.0), Value(2.0), Value(3.0)}, "%%f8f8"),
               platform::RuntimeException);
  EXPECT_THROW(Call(series, "Add", {Value("1"), Value(2.0)}, "%%f8f8"),
               platform::IllegalCastException);
  EXPECT_THROW(platform::RuntimeNewClass("Series", nullptr), platform::RuntimeException);
}

TEST(ClassRecordTest, TheSubclassReplacementIsFoundFirstAndCastsCheckTheClass) {
  const platform::ClassRecord& record = DoubledSeries::Lookup();
  EXPECT_EQ(platform::FindClassRecord("DoubledSeries"), &record);
  EXPECT_EQ(MethodNames(record), (Names{"Add", "Add", "Sum", "Add"}));
  EXPECT_EQ(record.FindMethod("Add", "%%f8f8"), &record.methods[0]);
  auto doubled = platform::RuntimeNewObject(record);
  Call(doubled, "Add", {Value(1.0), Value(2.0)});
  EXPECT_DOUBLE_EQ(Call(doubled, "Sum", {}).As<double>(), 6.0);
  // Through the superclass's record the call still reaches the object's own version.
  Series::Lookup().FindMethod("Add", "%%f8f8")->invoker(*doubled, {Value(1.0), Value(0.0)});
  EXPECT_DOUBLE_EQ(Call(doubled, "Sum", {}).As<double>(), 8.0);

  EXPECT_TRUE(platform::RuntimeCheckCast<Series>(doubled));
  EXPECT_THROW(
      platform::RuntimeCheckCast<DoubledSeries>(platform::RuntimeNewObject(Series::Lookup())),
      platform::IllegalCastException);
  EXPECT_THROW(platform::RuntimeCheckCast<Series>(nullptr), platform::NilObjectException);
  EXPECT_THROW(platform::RuntimeNewObject(platform::RuntimeNewClass("Abstract", nullptr)),
               platform::RuntimeException);
  // A registration naming an operation the class lacks fails instead of losing the event.
  EXPECT_THROW(
      platform::RuntimeNewClass("Other", &platform::Window::Lookup()).SetEventHandler("Close"),
      platform::RuntimeException);
}

// A registration that fails part way leaves neither its record global nor its name behind, so it
// can be tried again; while it runs, the global already holds the record.
TEST(ClassRecordTest, AFailedRegistrationCanBeTriedAgain) {
  platform::ClassRecord* ctbl = nullptr;
  auto registerSeries = [&](std::initializer_list<const char*> events) -> platform::ClassRecord& {
    return platform::RegisterClass(ctbl, "RetriedSeries", nullptr,
                                   [&](platform::ClassRecord& record) {
                                     EXPECT_EQ(ctbl, &record);
                                     record.events = {{"Open", ""}};
                                     record.methods = {Method("Event_Open", "%%", &Series::Sum)};
                                     for (const char* event : events) record.SetEventHandler(event);
                                   });
  };
  EXPECT_THROW(registerSeries({"Close"}), platform::RuntimeException);
  EXPECT_EQ(ctbl, nullptr);
  EXPECT_EQ(platform::FindClassRecord("RetriedSeries"), nullptr);

  platform::ClassRecord& record = registerSeries({"Open"});
  EXPECT_EQ(ctbl, &record);
  EXPECT_EQ(platform::FindClassRecord("RetriedSeries"), &record);
  EXPECT_EQ(record.FindEvent("Open")->handlerName, "Event_Open");
  EXPECT_EQ(&registerSeries({}), &record) << "a registered class is not registered again";
  platform::RuntimeDisposeClass("RetriedSeries");  // so that the test can run again
}

// A delegate to an operation the class lacks is refused when it is made, not when it is called.
TEST(ClassRecordTest, ADelegateToAMissingOperationIsRefused) {
  EXPECT_THROW(platform::DelegateFromMethodTable(platform::RuntimeNewObject(Series::Lookup()),
                                                 "Missing", "", true),
               platform::RuntimeException);
}

}  // namespace
