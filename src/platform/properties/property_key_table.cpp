#include "platform/properties/property_key_table.h"

#include <unordered_map>

namespace platform {
namespace {

const std::unordered_map<std::string, PropertyType>& KeyTable() {
  using T = PropertyType;
  static const std::unordered_map<std::string, PropertyType> table = {
      // Windows
      {"Placement", T::kInt32},
      {"MinWidth", T::kInt32},
      {"MinHeight", T::kInt32},
      {"MaxWidth", T::kInt32},
      {"MaxHeight", T::kInt32},
      {"Frame", T::kInt32},
      {"Composite", T::kBoolean},
      {"HasBackColor", T::kBoolean},
      {"Title", T::kString},
      {"FullScreen", T::kBoolean},
      {"MenuBarVisible", T::kBoolean},
      {"CloseButton", T::kBoolean},
      {"Resizeable", T::kBoolean},
      {"LiveResize", T::kBoolean},
      {"MaximizeButton", T::kBoolean},
      {"MinimizeButton", T::kBoolean},
      {"MacProcID", T::kInt32},
      {"_mInitialControlsCreated", T::kInt32},
      // Windows and controls
      {"Width", T::kInt32},
      {"Height", T::kInt32},
      {"Left", T::kInt32},
      {"Top", T::kInt32},
      {"Visible", T::kBoolean},
      {"BackColor", T::kColor},
      // Every control
      {"Name", T::kString},
      {"Index", T::kInt32},
      {"LockLeft", T::kBoolean},
      {"LockTop", T::kBoolean},
      {"LockRight", T::kBoolean},
      {"LockBottom", T::kBoolean},
      {"TabPanelIndex", T::kInt32},
      {"TabIndex", T::kInt32},
      {"Enabled", T::kBoolean},
      {"HelpTag", T::kString},
      {"AutoDeactivate", T::kBoolean},
      {"InitialParent", T::kString},
      {"TabStop", T::kBoolean},
      {"UseFocusRing", T::kBoolean},
      {"AcceptTabs", T::kBoolean},
      // Text-bearing controls
      {"TextColor", T::kColor},
      {"TextFont", T::kString},
      {"Bold", T::kBoolean},
      {"Italic", T::kBoolean},
      {"Underline", T::kBoolean},
      {"Text", T::kString},
      {"Multiline", T::kBoolean},
      {"DataSource", T::kString},
      {"DataField", T::kString},
      // Text areas
      {"Border", T::kBoolean},
      {"ScrollbarHorizontal", T::kBoolean},
      {"ScrollbarVertical", T::kBoolean},
      {"Styled", T::kBoolean},
      {"Format", T::kString},
      {"HideSelection", T::kBoolean},
      {"Mask", T::kString},
      {"ReadOnly", T::kBoolean},
      {"LimitText", T::kInt32},
      {"Alignment", T::kInt32},
      {"AutomaticallyCheckSpelling", T::kBoolean},
      // Push buttons
      {"Caption", T::kString},
      {"Default", T::kBoolean},
      {"Cancel", T::kBoolean},
      {"ButtonStyle", T::kInt32},
      // Labels
      {"TextAlign", T::kInt32},
      {"Selectable", T::kBoolean},
      {"Transparent", T::kBoolean},
      // Canvases
      {"AcceptFocus", T::kBoolean},
      {"DoubleBuffer", T::kBoolean},
      {"EraseBackground", T::kBoolean},
      // Rectangles
      {"FillColor", T::kColor},
      {"BorderWidth", T::kInt32},
      {"TopLeftColor", T::kColor},
      {"BottomRightColor", T::kColor},
  };
  return table;
}

}  // namespace

std::optional<PropertyType> PropertyTypeOfKey(const std::string& key) {
  auto found = KeyTable().find(key);
  if (found == KeyTable().end()) return std::nullopt;
  return found->second;
}

}  // namespace platform
