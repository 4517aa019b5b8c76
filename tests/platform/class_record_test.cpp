#include "platform/class_record.h"

#include <gtest/gtest.h>

#include "platform/delegate.h"
#include "platform/invoker.h"
#include "platform/picture.h"
#include "test_wnd.h"

namespace {

using platform::Attribute;
using platform::ClassRecord;
using platform::Method;
using platform::Value;

// A plain class registered the way the line-graph classes are: fields, overloaded operations,
// a const operation returning a picture, private scopes.
class Series : public platform::Object {
 public:
  static const ClassRecord& Lookup() {
    static const ClassRecord& record = []() -> const ClassRecord& {
      ClassRecord& registered = platform::RuntimeNewClass("Series", nullptr);
      registered.factory = platform::FactoryFor<Series>();
      registered.methods = {
          Method("Add", "%%f8f8", static_cast<void (Series::*)(double, double)>(&Series::Add)),
          Method("Add", "%%f8", static_cast<void (Series::*)(double)>(&Series::Add)),
          Method("Label", "%s%", &Series::Label),
          Method("Render", "%o<Picture>%i4i4", &Series::Render, {Attribute("__Scope", "Private")}),
          Method("Sum", "%f8%", &Series::Sum),
      };
      registered.fields = {{"total", "f8", {Attribute("__Scope", "Private")}},
                           {"points", "A1o<GxPoint>", {Attribute("__Scope", "Private")}}};
      return registered;
    }();
    return record;
  }

  virtual void Add(double x, double y) { total_ += x + y; }
  virtual void Add(double x) { total_ += 10 * x; }
  std::string Label() const { return "series"; }
  std::shared_ptr<platform::Picture> Render(int32_t width, int32_t height) const {
    return platform::NewPicture(width, height, 32);
  }
  double Sum() const { return total_; }

 private:
  double total_ = 0;
};

// A subclass that replaces one operation, registered after its superclass.
class DoubledSeries : public Series {
 public:
  static const ClassRecord& Lookup() {
    static const ClassRecord& record = []() -> const ClassRecord& {
      ClassRecord& registered = platform::RuntimeNewClass("DoubledSeries", &Series::Lookup());
      registered.factory = platform::FactoryFor<DoubledSeries>();
      registered.methods = {
          Method("Add", "%%f8f8",
                 static_cast<void (DoubledSeries::*)(double, double)>(&DoubledSeries::Add))};
      return registered;
    }();
    return record;
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

TEST(ClassRecordTest, OperationsAreCalledByNameWithPackedArguments) {
  auto series = platform::RuntimeNewObject(Series::Lookup());
  Call(series, "Add", {Value(1.5), Value(2.0)}, "%%f8f8");
  Call(series, "Add", {Value(1.0)}, "%%f8");
  EXPECT_DOUBLE_EQ(Call(series, "Sum", {}).As<double>(), 13.5);
  EXPECT_EQ(Call(series, "Label", {}).As<std::string>(), "series");
  auto picture =
      Call(series, "Render", {Value(4), Value(3)}).As<std::shared_ptr<platform::Picture>>();
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 4);

  EXPECT_THROW(Call(series, "Add", {Value(1.0)}, "%%f8f8"), platform::RuntimeException);
  EXPECT_THROW(Call(series, "Add", {Value("1"), Value(2.0)}, "%%f8f8"),
               platform::IllegalCastException);
}

TEST(ClassRecordTest, TheRecordKeepsOrderScopesAndFields) {
  const ClassRecord& record = DoubledSeries::Lookup();
  EXPECT_EQ(platform::FindClassRecord("DoubledSeries"), &record);
  std::vector<std::string> table;
  for (const platform::MemberRecord* method : record.MethodTable()) table.push_back(method->name);
  EXPECT_EQ(table, (std::vector<std::string>{"Add", "Add", "Label", "Render", "Sum", "Add"}));
  const platform::MemberRecord* render = record.FindMethod("Render");
  ASSERT_EQ(render->attributes.size(), 1u);
  EXPECT_EQ(render->attributes[0].value, "Private");
  EXPECT_EQ(Series::Lookup().fields[1].typeCode, "A1o<GxPoint>");
  EXPECT_THROW(platform::RuntimeNewClass("Series", nullptr), platform::RuntimeException);
}

TEST(ClassRecordTest, TheSubclassReplacementIsTheOperationFound) {
  auto doubled = platform::RuntimeNewObject(DoubledSeries::Lookup());
  Call(doubled, "Add", {Value(1.0), Value(2.0)});
  EXPECT_DOUBLE_EQ(Call(doubled, "Sum", {}).As<double>(), 6.0);
  // Through the superclass's record the call still reaches the object's own version.
  Series::Lookup().FindMethod("Add", "%%f8f8")->invoker(*doubled, {Value(1.0), Value(0.0)});
  EXPECT_DOUBLE_EQ(Call(doubled, "Sum", {}).As<double>(), 8.0);
}

TEST(ClassRecordTest, CheckedCastsRefuseNilAndOtherClasses) {
  auto series = platform::RuntimeNewObject(Series::Lookup());
  auto doubled = platform::RuntimeNewObject(DoubledSeries::Lookup());
  EXPECT_TRUE(platform::RuntimeCheckCast<Series>(doubled));
  EXPECT_THROW(platform::RuntimeCheckCast<DoubledSeries>(series), platform::IllegalCastException);
  EXPECT_THROW(platform::RuntimeCheckCast<Series>(nullptr), platform::NilObjectException);
  EXPECT_THROW(platform::RuntimeNewObject(platform::RuntimeNewClass("Abstract", nullptr)),
               platform::RuntimeException);
}

TEST(ClassRecordTest, AWeakDelegateRaisesNilObjectOnceItsTargetIsGone) {
  auto series = platform::RuntimeNewObject(Series::Lookup());
  auto weak = platform::DelegateFromMethodTable(series, "Label", "(  ) as String", true);
  auto strong = platform::DelegateFromMethodTable(platform::RuntimeNewObject(Series::Lookup()),
                                                  "Sum", "(  ) as Double", false);
  EXPECT_EQ(weak->Invoke({}).As<std::string>(), "series");
  series.reset();
  EXPECT_THROW(weak->Invoke({}), platform::NilObjectException);
  EXPECT_DOUBLE_EQ(strong->Invoke({}).As<double>(), 0.0);  // kept alive by the delegate
  EXPECT_THROW(platform::DelegateFromMethodTable(platform::RuntimeNewObject(Series::Lookup()),
                                                 "Missing", "", true),
               platform::RuntimeException);
}

}  // namespace

namespace {

TEST(ClassRecordTest, AWindowClassMethodTableStartsWithWindowsOwnOperations) {
  testing_support::TestWnd::Reset();
  const platform::ClassRecord& record = testing_support::TestWnd::Lookup();
  std::vector<std::string> names;
  for (const platform::MemberRecord* member : record.MethodTable()) names.push_back(member->name);
  ASSERT_GE(names.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 6),
            (std::vector<std::string>{"Show", "Hide", "Close", "Title", "SetTitle", "Layout"}));

  // Called by name through the table, an inherited operation acts on the window.
  auto window = testing_support::TestWnd::Instance();
  window->Hide();
  record.FindMethod("Show")->invoker(*window, {});
  EXPECT_TRUE(window->Visible());
  record.FindMethod("SetTitle")->invoker(*window, {platform::Value("Renamed")});
  EXPECT_EQ(window->Title(), "Renamed");
  testing_support::TestWnd::Reset();
}

}  // namespace
