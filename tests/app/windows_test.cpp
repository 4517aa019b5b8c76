#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/file_types.h"
#include "app/handle_about_menu.h"
#include "help/description_wnd.h"
#include "platform/class_record.h"
#include "platform/menu_user_simulation.h"
#include "platform/property_record.h"
#include "platform/set_properties.h"
#include "platform/text_functions.h"
#include "plot/graph_wnd.h"
#include "support/corvane_session.h"
#include "support/snapshot.h"

namespace {

using testing_support::CorvaneSession;

// Records every property record applied while it lives.
class AppliedRecords {
 public:
  AppliedRecords() {
    platform::SetAppliedRecordObserverForTests(
        [this](const platform::PropertyTarget& object, const std::string& record) {
          applied_.emplace_back(&object, record);
        });
  }
  ~AppliedRecords() { platform::SetAppliedRecordObserverForTests({}); }
  AppliedRecords(const AppliedRecords&) = delete;
  AppliedRecords& operator=(const AppliedRecords&) = delete;

  // The entries of the record applied last to the object that the set names, as key=value.
  std::string Of(const platform::PropertyTarget& object, const std::set<std::string>& keys) const {
    std::string text;
    for (const auto& [target, record] : applied_) {
      if (target != &object) continue;
      text.clear();
      for (const platform::PropertyEntry& entry : platform::DecodePropertyRecord(record)) {
        if (keys.count(entry.key)) text += " " + entry.key + "=" + Shown(entry.value);
      }
    }
    return text;
  }

 private:
  static std::string Shown(const platform::PropertyValue& value) {
    switch (value.Type()) {
      case platform::PropertyType::kInt32:
        return platform::Str(value.AsInt32(), "");
      case platform::PropertyType::kBoolean:
        return value.AsBoolean() ? "1" : "0";
      case platform::PropertyType::kString:
        return "\"" + value.AsString() + "\"";
      default:
        return "colour";
    }
  }

  std::vector<std::pair<const platform::PropertyTarget*, std::string>> applied_;
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
                                  "Enabled", "ReadOnly", "LimitText"});
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

const std::vector<WindowCase>& Windows() {
  static const std::vector<WindowCase> windows = {
      {"main",
       [] {
         auto main = corvane::ControlWnd::Instance();
         platform::TypeText(main->NVarsFld(), "20");
         platform::PasteText(main->EigenFld(), kWorkedExample);
         return main;
       }},
      {"about", [] { return corvane::AboutWnd::Instance(); }},
      {"help", [] { return corvane::DescriptionWnd::Instance(); }},
      {"graph",
       [] {
         auto main = corvane::ControlWnd::Instance();
         platform::TypeText(main->NVarsFld(), "20");
         platform::PasteText(main->EigenFld(), kWorkedExample);
         platform::ClickButton(main->CalculateBtn());
         platform::ClickButton(main->GraphBtn());
         return std::static_pointer_cast<platform::Window>(corvane::GraphWnd::Instance());
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

// The application object handles both About items, and start-up declares two document types.
TEST_F(WindowsTest, TheApplicationHandlesBothAboutItemsAndDeclaresTwoDocumentTypes) {
  StartUp();
  for (const char* item : {"AboutUlk", "AboutMenuItem"}) {
    auto handler = corvane::App()->MenuHandler(item);
    ASSERT_NE(handler, nullptr) << item;
    EXPECT_EQ(handler->MethodName(), std::string("_") + item + "_Action");
    EXPECT_FALSE(handler->Invoke({}).IsTrue()) << "the command may go on to the next handler";
  }
  std::string types;
  for (const platform::FileType& type : platform::RegisteredFileTypes()) {
    types += type.Name + "|" + type.Extensions + "|" + type.MacType + "|" + type.MacCreator + ";";
  }
  EXPECT_EQ(types, "text||TEXT|R*ch;|||;");
  EXPECT_EQ(corvane::FileTypes::pText->MacCreator, "R*ch");
  EXPECT_EQ(corvane::FileTypes::pUntitledType->Name, "");
}

}  // namespace
