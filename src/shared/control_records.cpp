#include "shared/control_records.h"

namespace corvane::records {

using platform::Color;
using platform::kNoControlArrayIndex;

namespace {

// Name, Index, the geometry and the four locks open every control record.
std::vector<platform::PropertyEntry> Opening(const std::string& name, int32_t left, int32_t top,
                                             int32_t width, int32_t height, bool lock) {
  return {{"Name", name},      {"Index", kNoControlArrayIndex},
          {"Left", left},      {"Top", top},
          {"Width", width},    {"Height", height},
          {"LockLeft", lock},  {"LockTop", lock},
          {"LockRight", lock}, {"LockBottom", lock}};
}

void Append(std::vector<platform::PropertyEntry>& entries,
            std::initializer_list<platform::PropertyEntry> more) {
  entries.insert(entries.end(), more);
}

}  // namespace

std::vector<platform::PropertyEntry> WindowEntries(const WindowValues& v) {
  std::vector<platform::PropertyEntry> entries = {
      {"Placement", 0},
      {"Width", v.width},
      {"Height", v.height},
      {"MinWidth", 64},
      {"MinHeight", 64},
      {"MaxWidth", v.maxWidth},
      {"MaxHeight", v.maxHeight},
      {"Frame", v.frame},
      {"Composite", v.composite},
      {"HasBackColor", v.hasBackColor},
      {"BackColor", v.backColor},
      {"Title", v.title},
      {"Visible", v.visible},
      {"FullScreen", false},
      {"MenuBarVisible", v.menuBarVisible},
      {"CloseButton", v.closeButton},
      {"Resizeable", false},
      {"LiveResize", false},
      {"MaximizeButton", false},
      {"MinimizeButton", v.minimizeButton},
      {"MacProcID", 0},
  };
  if (v.withPosition) {
    Append(entries, {{"Left", v.left}, {"Top", v.top}, {"_mInitialControlsCreated", 0}});
  }
  return entries;
}

std::vector<platform::PropertyEntry> TextAreaEntries(const TextAreaValues& v) {
  auto entries = Opening(v.name, v.left, v.top, v.width, v.height, v.lock);
  Append(entries, {{"TabPanelIndex", 0},
                   {"TabIndex", v.tabIndex},
                   {"TabStop", true},
                   {"Border", true},
                   {"Multiline", true},
                   {"ScrollbarHorizontal", false},
                   {"ScrollbarVertical", v.scrollbarVertical},
                   {"Styled", v.styled},
                   {"UseFocusRing", v.useFocusRing},
                   {"TextColor", Color(0x000000)},
                   {"BackColor", Color(0xFFFFFF)},
                   {"Enabled", true},
                   {"Format", ""},
                   {"Visible", true},
                   {"HelpTag", ""},
                   {"AutoDeactivate", true},
                   {"HideSelection", true},
                   {"TextFont", v.textFont},
                   {"Bold", false},
                   {"Italic", false},
                   {"Underline", false},
                   {"Text", v.text},
                   {"Mask", ""},
                   {"ReadOnly", v.readOnly},
                   {"LimitText", v.limitText},
                   {"AcceptTabs", false},
                   {"Alignment", v.alignment},
                   {"AutomaticallyCheckSpelling", true},
                   {"DataSource", ""},
                   {"DataField", ""},
                   {"InitialParent", ""}});
  return entries;
}

std::vector<platform::PropertyEntry> PushButtonEntries(const PushButtonValues& v) {
  auto entries = Opening(v.name, v.left, v.top, v.width, v.height, v.lock);
  Append(entries, {{"TabPanelIndex", 0},
                   {"TabIndex", v.tabIndex},
                   {"TabStop", true},
                   {"Caption", v.caption},
                   {"Default", false},
                   {"Cancel", false},
                   {"Enabled", true},
                   {"Visible", true},
                   {"HelpTag", ""},
                   {"AutoDeactivate", v.autoDeactivate},
                   {"ButtonStyle", 0},
                   {"TextFont", "System"},
                   {"Bold", false},
                   {"Italic", false},
                   {"Underline", false},
                   {"InitialParent", ""}});
  return entries;
}

std::vector<platform::PropertyEntry> LabelEntries(const LabelValues& v) {
  auto entries = Opening(v.name, v.left, v.top, v.width, v.height, v.lock);
  Append(entries, {{"TabPanelIndex", 0},
                   {"TabIndex", v.tabIndex},
                   {"Text", v.text},
                   {"TextAlign", v.textAlign},
                   {"TextColor", v.textColor},
                   {"Multiline", false},
                   {"Enabled", true},
                   {"Visible", true},
                   {"Selectable", false},
                   {"Transparent", false},
                   {"HelpTag", ""},
                   {"AutoDeactivate", true},
                   {"TextFont", v.textFont},
                   {"Bold", v.bold},
                   {"Italic", false},
                   {"Underline", false},
                   {"DataSource", ""},
                   {"DataField", ""},
                   {"InitialParent", ""}});
  return entries;
}

std::vector<platform::PropertyEntry> CanvasEntries(const CanvasValues& v) {
  auto entries = Opening(v.name, v.left, v.top, v.width, v.height, v.lock);
  Append(entries, {{"TabPanelIndex", 0},
                   {"TabIndex", v.tabIndex},
                   {"TabStop", true},
                   {"Visible", true},
                   {"HelpTag", ""},
                   {"AutoDeactivate", true},
                   {"Enabled", v.enabled},
                   {"UseFocusRing", v.useFocusRing},
                   {"AcceptFocus", false},
                   {"AcceptTabs", false},
                   {"DoubleBuffer", false},
                   {"EraseBackground", true},
                   {"InitialParent", ""}});
  return entries;
}

std::vector<platform::PropertyEntry> RectangleEntries(const RectangleValues& v) {
  auto entries = Opening(v.name, v.left, v.top, v.width, v.height, v.lock);
  // Rectangles list TabIndex before TabPanelIndex, unlike the other controls.
  Append(entries, {{"TabIndex", v.tabIndex},
                   {"TabPanelIndex", 0},
                   {"Visible", true},
                   {"HelpTag", ""},
                   {"AutoDeactivate", true},
                   {"Enabled", true},
                   {"FillColor", v.fillColor},
                   {"BorderWidth", v.borderWidth},
                   {"TopLeftColor", v.topLeftColor},
                   {"BottomRightColor", v.bottomRightColor},
                   {"InitialParent", ""}});
  return entries;
}

}  // namespace corvane::records
