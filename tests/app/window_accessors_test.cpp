#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/control_wnd.h"
#include "help/about_wnd.h"
#include "help/description_wnd.h"
#include "platform/core/class_record.h"
#include "plot/graph_wnd.h"
#include "startup/invisible_wnd.h"

namespace {

using Calls = std::vector<std::string>;

// Replaces an accessor with one that only notes that it was reached.
#define NOTED(Type, Name)                           \
  std::shared_ptr<platform::Type> Name() override { \
    calls.push_back(#Name);                         \
    return nullptr;                                 \
  }

// Subclasses that replace every accessor and the window's own Title: a call through the class
// record reaches the replacement only when the operation is virtual, as every operation called
// through a method table must be.
class NotedControlWnd : public corvane::ControlWnd {
 public:
  NOTED(TextArea, NVarsFld)
  NOTED(TextArea, EigenFld)
  NOTED(PushButton, ClearBtn)
  NOTED(PushButton, CalculateBtn)
  NOTED(Label, StaticText3)
  NOTED(Canvas, Canvas3)
  NOTED(Label, StaticText4)
  NOTED(Label, StaticText9)
  NOTED(Rectangle, Rectangle1)
  NOTED(Label, StaticText1)
  NOTED(PushButton, PrintBtn)
  NOTED(PushButton, GraphBtn)
  NOTED(Canvas, Canvas1)
  std::string Title() const override { return "noted"; }
  Calls calls;
};

class NotedAboutWnd : public corvane::AboutWnd {
 public:
  NOTED(Label, StaticText5)
  NOTED(Canvas, Canvas1)
  NOTED(Canvas, Canvas2)
  NOTED(Label, StaticText1)
  Calls calls;
};

// The sixteen menu-item accessors, which the default window and the help window both have.
template <class Window>
class NotedMenuItems : public Window {
 public:
  NOTED(MenuItem, WindowMenu)
  NOTED(AppleMenuItem, AboutUlk)
  NOTED(MenuItem, AboutMenuItem)
  NOTED(MenuItem, DescriptionMenuItem)
  NOTED(MenuItem, ControlMenuItem)
  NOTED(MenuItem, UntitledMenu0)
  NOTED(MenuItem, EditClear)
  NOTED(MenuItem, EditPaste)
  NOTED(MenuItem, EditCopy)
  NOTED(MenuItem, EditCut)
  NOTED(MenuItem, UntitledMenu1)
  NOTED(MenuItem, EditUndo)
  NOTED(MenuItem, FileMenu)
  NOTED(QuitMenuItem, FileQuit)
  NOTED(MenuItem, Print)
  NOTED(MenuItem, UntitledMenu3)
  Calls calls;
};

using NotedInvisibleWnd = NotedMenuItems<corvane::InvisibleWnd>;

class NotedGraphWnd : public corvane::GraphWnd {
 public:
  NOTED(Canvas, Canvas1)
  NOTED(PushButton, CloseBtn)
  NOTED(PushButton, CopyBtn)
  NOTED(PushButton, SaveBtn)
  NOTED(PushButton, PrintBtn)
  Calls calls;
};

class NotedDescriptionWnd : public NotedMenuItems<corvane::DescriptionWnd> {
 public:
  NOTED(TextArea, DescribeFld)
  NOTED(TextArea, DescribeFld2)
};

#undef NOTED

// Calls every accessor of the class (an own operation returning an object) through its record.
template <class Noted>
void ExpectEveryAccessorReachesTheReplacement(const platform::ClassRecord& record) {
  SCOPED_TRACE(record.name);
  auto window = std::make_shared<Noted>();
  Calls accessors;
  for (const platform::MemberRecord& method : record.methods) {
    if (method.signature.rfind("%o<", 0) != 0) continue;
    accessors.push_back(method.name);
    method.invoker(*window, {});
  }
  EXPECT_FALSE(accessors.empty());
  EXPECT_EQ(window->calls, accessors);
}

TEST(WindowAccessorsTest, AccessorsCalledThroughTheRecordReachAReplacement) {
  ExpectEveryAccessorReachesTheReplacement<NotedControlWnd>(corvane::ControlWnd::Lookup());
  ExpectEveryAccessorReachesTheReplacement<NotedAboutWnd>(corvane::AboutWnd::Lookup());
  ExpectEveryAccessorReachesTheReplacement<NotedInvisibleWnd>(corvane::InvisibleWnd::Lookup());
  ExpectEveryAccessorReachesTheReplacement<NotedGraphWnd>(corvane::GraphWnd::Lookup());
  ExpectEveryAccessorReachesTheReplacement<NotedDescriptionWnd>(corvane::DescriptionWnd::Lookup());

  NotedControlWnd window;
  EXPECT_EQ(
      corvane::ControlWnd::Lookup().FindMethod("Title")->invoker(window, {}).As<std::string>(),
      "noted");
}

}  // namespace
