#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "help/description_wnd.h"
#include "platform/properties/property_record.h"
#include "platform/properties/set_properties.h"
#include "platform/text/text_functions.h"
#include "startup/handle_about_menu.h"
#include "support/corvane_session.h"
#include "support/snapshot.h"

namespace {

using testing_support::CorvaneSession;

// The record applied last to each window and control while it lives.
class AppliedRecords {
 public:
  AppliedRecords() {
    platform::SetAppliedRecordObserverForTests(
        [this](const platform::PropertyTarget& object, const std::string& record) {
          last_[&object] = record;
        });
  }
  ~AppliedRecords() { platform::SetAppliedRecordObserverForTests({}); }

  // Its entries that the set names, as key=value.
  std::string Of(const platform::PropertyTarget& object, const std::set<std::string>& keys) const {
    std::string text;
    for (const platform::PropertyEntry& entry : platform::DecodePropertyRecord(last_.at(&object))) {
      if (!keys.count(entry.key)) continue;
      const platform::PropertyValue& value = entry.value;
      text += " " + entry.key + "=";
      if (value.Type() == platform::PropertyType::kInt32) text += platform::Str(value.AsInt32());
      if (value.Type() == platform::PropertyType::kBoolean) text += value.AsBoolean() ? "1" : "0";
      if (value.Type() == platform::PropertyType::kString) text += "\"" + value.AsString() + "\"";
      if (value.Type() == platform::PropertyType::kColor) {
        const platform::Color c = value.AsColor();
        text += std::to_string(c.Red() << 16 | c.Green() << 8 | c.Blue());
      }
    }
    return text;
  }

 private:
  std::map<const platform::PropertyTarget*, std::string> last_;
};

// What the window's record and class hold that no pixel of its content shows: the window's
// frame, title and buttons; each control's tab order, locks, limits and the events it binds; the
// class's operations and the menu items it handles.
std::string UnseenFacts(const platform::Window& window, const AppliedRecords& applied) {
  std::string text =
      window.ClassRecordOf()->name + ":" +
      applied.Of(window, {"Frame", "Title", "Visible", "MenuBarVisible", "CloseButton",
                          "MinimizeButton", "MaxWidth", "MaxHeight", "Left", "Top"}) +
      "\n";
  for (const auto& control : window.Controls()) {
    text += control->Name() + ":" +
            applied.Of(*control, {"TabIndex", "LockLeft", "AutoDeactivate", "UseFocusRing",
                                  "Enabled", "ReadOnly", "LimitText", "Alignment", "FillColor"});
    for (int32_t event : {platform::RectControl::kOpenEvent, 13, 15, 18}) {
      if (auto handler = control->EventHandler(event)) {
        text += " " + platform::Str(event, "") + "=" + handler->MethodName();
      }
    }
    text += "\n";
  }
  text += "methods:";
  for (const platform::MemberRecord& method : window.ClassRecordOf()->methods) {
    text += " " + method.name;
  }
  text += "\nmenu:";
  for (const auto& item : corvane::Menu::Instance()->AllItems()) {
    if (auto handler = window.MenuHandler(item->Name())) {
      text += " " + item->Name() + "=" + handler->MethodName();
    }
  }
  return text + "\n";
}

using testing_support::kWorkedExample;

struct WindowCase {
  const char* snapshot;
  std::function<std::shared_ptr<platform::Window>()> open;
};

// The main window with the worked example typed in, and its graph.
std::shared_ptr<corvane::ControlWnd> MainWithWorkedExample() {
  auto main = corvane::ControlWnd::Instance();
  platform::TypeText(main->NVarsFld(), "20");
  platform::PasteText(main->EigenFld(), kWorkedExample);
  return main;
}

const std::vector<WindowCase>& Windows() {
  static const std::vector<WindowCase> windows = {
      {"main", [] { return MainWithWorkedExample(); }},
      {"about", [] { return corvane::AboutWnd::Instance(); }},
      {"help", [] { return corvane::DescriptionWnd::Instance(); }},
      {"graph",
       []() -> std::shared_ptr<platform::Window> {
         platform::ClickButton(MainWithWorkedExample()->CalculateBtn());
         platform::ClickButton(corvane::ControlWnd::Instance()->GraphBtn());
         return corvane::GraphWnd::Instance();
       }},
      {"default", [] { return corvane::InvisibleWnd::Instance(); }},
  };
  return windows;
}

using WindowsTest = CorvaneSession;

// Each window as a person sees it, held to its committed picture, and what no picture shows held
// to a table.
TEST_F(WindowsTest, EachWindowLooksAsItsSnapshotAndHoldsItsUnseenFacts) {
  platform::SetApplicationBundleResourcesForTests(CORVANE_BUNDLE_RESOURCES);
  std::string unseen;
  for (const WindowCase& row : Windows()) {
    SCOPED_TRACE(row.snapshot);
    platform::ReleaseAllImplicitWindows();
    platform::ProcessPendingEvents();
    AppliedRecords applied;
    std::shared_ptr<platform::Window> window = row.open();
    platform::ProcessPendingEvents();
    EXPECT_TRUE(
        testing_support::MatchesSnapshot(platform::CaptureWindowContent(window), row.snapshot));
    unseen += UnseenFacts(*window, applied);
    // Every control accessor, called by name as the framework calls it, finds its own control.
    for (const platform::MemberRecord& method : window->ClassRecordOf()->methods) {
      if (method.signature.rfind("%o<", 0) != 0 ||
          method.signature.find("Menu") != std::string::npos) {
        continue;
      }
      auto control = method.invoker(*window, {}).As<std::shared_ptr<platform::RectControl>>();
      ASSERT_NE(control, nullptr) << method.name;
      EXPECT_EQ(control->Name(), method.name);
    }
  }
  EXPECT_TRUE(testing_support::MatchesTextSnapshot(unseen, "windows-unseen"));
}

// The splash is the About box, shown alone while the program starts.
TEST_F(WindowsTest, TheSplashLooksAsTheAboutBox) {
  platform::SetApplicationBundleResourcesForTests(CORVANE_BUNDLE_RESOURCES);
  std::shared_ptr<platform::Picture> splash;
  testing_support::InstallSteppingTicks(kStartTicks, 60, [&] {
    if (!splash && Shown(OpenAboutBox())) splash = platform::CaptureWindowContent(OpenAboutBox());
  });
  StartUp();
  EXPECT_TRUE(testing_support::MatchesSnapshot(splash, "about"));
}

// The application object handles both About items, each letting the command go on to the next
// handler, and start-up declares two document types.
TEST_F(WindowsTest, TheApplicationHandlesBothAboutItemsAndDeclaresTwoDocumentTypes) {
  StartUp();
  std::string facts;
  for (const char* item : {"AboutUlk", "AboutMenuItem"}) {
    auto handler = corvane::App()->MenuHandler(item);
    facts += std::string(item) + "=" + (handler ? handler->MethodName() : "none") +
             (handler && !handler->Invoke({}).IsTrue() ? " goes on\n" : "\n");
  }
  for (const platform::FileType& type : platform::RegisteredFileTypes()) {
    facts += type.Name + "|" + type.Extensions + "|" + type.MacType + "|" + type.MacCreator + "\n";
  }
  EXPECT_EQ(facts,
            "AboutUlk=_AboutUlk_Action goes on\nAboutMenuItem=_AboutMenuItem_Action goes on\n"
            "text||TEXT|R*ch\n|||\n");
  EXPECT_EQ(corvane::FileTypes::pText->MacCreator, "R*ch");
}

}  // namespace
