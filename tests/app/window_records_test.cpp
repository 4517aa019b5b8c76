#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "corvane_session.h"
#include "platform/core/class_record.h"
#include "platform/properties/set_properties.h"
#include "record_tables.h"
#include "shared/file_types.h"
#include "startup/handle_about_menu.h"
#include "window_record_tables.h"

namespace {

using testing_support::CorvaneSession;
using testing_support::MenuHandlerRow;

// The table's lines, trimmed, without the empty ones.
std::string Lines(const std::string& text) {
  std::stringstream rows(text);
  std::string row;
  std::string lines;
  while (std::getline(rows, row)) {
    row = testing_support::Trimmed(row);
    if (!row.empty()) lines += row + "\n";
  }
  return lines;
}

std::string Described(const std::vector<platform::Attribute>& attributes) {
  std::string text;
  for (const platform::Attribute& attribute : attributes) {
    if (attribute.name == "__Scope" && attribute.hasValue && attribute.value == "Public") {
      text += " Public";
    } else if (attribute.name == "Hidden" && !attribute.hasValue && attribute.value.empty()) {
      text += " Hidden";
    } else {
      text += " " + attribute.name + (attribute.hasValue ? "=" + attribute.value : "");
    }
  }
  return text;
}

std::string OwnOperations(const platform::ClassRecord& record) {
  std::string text;
  for (const platform::MemberRecord& method : record.methods) {
    text += method.name + " " + method.signature + Described(method.attributes) + "\n";
  }
  return text;
}

std::string FilledEvents(const platform::ClassRecord& record) {
  std::string text;
  for (const platform::EventEntry& entry : record.events) {
    if (!entry.handlerName.empty()) text += entry.eventName + " " + entry.handlerName + "\n";
  }
  return text;
}

std::vector<std::string> MethodTableNames(const platform::ClassRecord& record) {
  std::vector<std::string> names;
  for (const platform::MemberRecord* method : record.MethodTable()) names.push_back(method->name);
  return names;
}

// The menu handlers registered on a window or the application object, sorted by item name.
template <class Target>
std::vector<MenuHandlerRow> MenuHandlers(const Target& target) {
  std::vector<MenuHandlerRow> rows;
  for (const std::string& item : testing_support::kMenuItemNames) {
    if (auto handler = target.MenuHandler(item)) rows.push_back({item, handler->MethodName()});
  }
  return rows;
}

std::vector<MenuHandlerRow> Sorted(std::vector<MenuHandlerRow> rows) {
  std::sort(rows.begin(), rows.end(),
            [](const MenuHandlerRow& a, const MenuHandlerRow& b) { return a.item < b.item; });
  return rows;
}

// Every handler registered on the target answers False, so the command may go on to the next.
template <class Target>
void ExpectEveryMenuHandlerAnswersFalse(const Target& target) {
  for (const MenuHandlerRow& row : MenuHandlers(target)) {
    EXPECT_FALSE(target.MenuHandler(row.item)->Invoke({}).IsTrue()) << row.item;
  }
}

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

  // The records applied to the window and its controls, in the order they were applied.
  std::vector<std::string> Of(const platform::Window& window) const {
    std::vector<const platform::PropertyTarget*> targets = {&window};
    for (const auto& control : window.Controls()) targets.push_back(control.get());
    std::vector<std::string> records;
    for (const auto& [object, record] : applied_) {
      if (std::find(targets.begin(), targets.end(), object) != targets.end()) {
        records.push_back(record);
      }
    }
    return records;
  }

 private:
  std::vector<std::pair<const platform::PropertyTarget*, std::string>> applied_;
};

// The window record, then each control's in creation order, as the tables give them.
std::vector<std::string> ExpectedRecords(const testing_support::WindowTable& table) {
  std::vector<std::string> records = testing_support::EncodedColumns(table.windowRecord);
  for (const std::string control : table.creationOrder) {
    size_t found = 0;
    for (const char* controlTable : table.controlTables) {
      const std::vector<std::string> names = testing_support::ColumnHeads(controlTable);
      const auto column = std::find(names.begin(), names.end(), control);
      if (column == names.end()) continue;
      records.push_back(testing_support::EncodedColumns(
          controlTable)[static_cast<size_t>(column - names.begin())]);
      ++found;
    }
    EXPECT_EQ(found, 1u) << control << " must stand in exactly one table";
  }
  return records;
}

using WindowRecordsTest = CorvaneSession;

TEST_F(WindowRecordsTest, EveryClassRecordHoldsItsOperationsEventsAndScope) {
  for (const testing_support::ClassTable& table : testing_support::ProgramClasses()) {
    SCOPED_TRACE(table.name);
    const platform::ClassRecord* record = platform::FindClassRecord(table.name);
    ASSERT_NE(record, nullptr);
    ASSERT_NE(record->superclass, nullptr);
    EXPECT_EQ(record->superclass->name, table.superclass);
    EXPECT_TRUE(record->factory);
    EXPECT_EQ(OwnOperations(*record), Lines(table.operations));
    EXPECT_EQ(FilledEvents(*record), Lines(table.filledEvents));
    EXPECT_EQ(Described(record->attributes), " Public");

    // The superclass's operations head the method table, the own ones follow in their order.
    std::vector<std::string> expectedTable = MethodTableNames(*record->superclass);
    for (const platform::MemberRecord& method : record->methods) {
      expectedTable.push_back(method.name);
    }
    EXPECT_EQ(MethodTableNames(*record), expectedTable);
    if (std::string(table.superclass) == "Window") {
      std::string events;
      for (const platform::EventEntry& entry : record->events) {
        events += (events.empty() ? "" : " ") + entry.eventName;
      }
      EXPECT_EQ(events, testing_support::kWindowEventNames);
    }
  }
}

TEST_F(WindowRecordsTest, EveryWindowAppliesItsRecordsBindsItsEventsAndRegistersItsMenuItems) {
  for (const testing_support::WindowTable& table : testing_support::ProgramWindows()) {
    SCOPED_TRACE(table.className);
    // Another window's handlers may have opened this one already (the main window's activation
    // makes an About box).
    platform::ReleaseAllImplicitWindows();
    platform::ProcessPendingEvents();
    AppliedRecords applied;
    std::shared_ptr<platform::Window> window = table.open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->ClassRecordOf(), platform::FindClassRecord(table.className));

    std::vector<std::string> created;
    std::vector<testing_support::BindingRow> bindings;
    for (const auto& control : window->Controls()) {
      created.push_back(control->Name());
      for (int32_t event : testing_support::kControlEventNumbers) {
        if (auto handler = control->EventHandler(event)) {
          bindings.push_back({control->Name(), event, handler->MethodName(), handler->Signature()});
        }
      }
    }
    EXPECT_EQ(created,
              std::vector<std::string>(table.creationOrder.begin(), table.creationOrder.end()));
    EXPECT_EQ(bindings, table.bindings);

    const std::vector<std::string> expected = ExpectedRecords(table);
    const std::vector<std::string> actual = applied.Of(*window);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(actual[i], expected[i]) << (i == 0 ? "the window" : created[i - 1]);
    }

    EXPECT_EQ(Sorted(MenuHandlers(*window)), Sorted(table.menuHandlers));
    ExpectEveryMenuHandlerAnswersFalse(*window);
  }
}

TEST_F(WindowRecordsTest, TheApplicationHandlesBothAboutItemsAndDeclaresTwoDocumentTypes) {
  StartUp();
  EXPECT_EQ(Sorted(MenuHandlers(*corvane::App())),
            Sorted(testing_support::kApplicationMenuHandlers));
  ExpectEveryMenuHandlerAnswersFalse(*corvane::App());

  struct TypeRow {
    const platform::FileType* type;
    const char *name, *extensions, *macType, *macCreator;
  };
  const std::vector<platform::FileType>& registered = platform::RegisteredFileTypes();
  ASSERT_EQ(registered.size(), 2u);
  for (const TypeRow& row : {TypeRow{corvane::FileTypes::pText.get(), "text", "", "TEXT", "R*ch"},
                             TypeRow{&registered[0], "text", "", "TEXT", "R*ch"},
                             TypeRow{corvane::FileTypes::pUntitledType.get(), "", "", "", ""},
                             TypeRow{&registered[1], "", "", "", ""}}) {
    ASSERT_NE(row.type, nullptr);
    EXPECT_EQ(row.type->Name, row.name);
    EXPECT_EQ(row.type->Extensions, row.extensions);
    EXPECT_EQ(row.type->MacType, row.macType);
    EXPECT_EQ(row.type->MacCreator, row.macCreator);
  }
}

}  // namespace
