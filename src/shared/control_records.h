#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/color.h"
#include "platform/properties/property_record.h"
#include "platform/properties/property_value.h"

// The property records of Corvane's windows and controls. Every record of one class lists the
// same keys in the same order; these functions write that order once, and each window gives only
// its values (fields left out keep the value most records carry).
namespace corvane::records {

struct WindowValues {
  int32_t width = 0;
  int32_t height = 0;
  int32_t maxWidth = 32000;
  int32_t maxHeight = 32000;
  int32_t frame = 0;
  bool composite = true;
  bool hasBackColor = true;
  platform::Color backColor = platform::Color(0xFFFFFF);
  std::string title;
  bool visible = true;
  bool menuBarVisible = true;
  bool closeButton = true;
  bool minimizeButton = true;
  bool withPosition = true;  // Left, Top and _mInitialControlsCreated close the record
  int32_t left = 0;
  int32_t top = 0;
};

struct TextAreaValues {
  std::string name;
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool lock = true;  // all four edges
  int32_t tabIndex = 0;
  bool scrollbarVertical = false;
  bool styled = false;
  bool useFocusRing = true;
  std::string textFont;
  std::string text;
  bool readOnly = false;
  int32_t limitText = 0;
  int32_t alignment = 0;
};

struct PushButtonValues {
  std::string name;
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool lock = true;
  int32_t tabIndex = 0;
  std::string caption;
  bool autoDeactivate = true;
};

struct LabelValues {
  std::string name;
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool lock = true;
  int32_t tabIndex = 0;
  std::string text;
  int32_t textAlign = 0;
  platform::Color textColor = platform::Color(0x000000);
  std::string textFont = "System";
  bool bold = false;
};

struct CanvasValues {
  std::string name;
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool lock = true;
  int32_t tabIndex = 0;
  bool enabled = true;
  bool useFocusRing = false;
};

struct RectangleValues {
  std::string name;
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool lock = true;
  int32_t tabIndex = 0;
  platform::Color fillColor;
  int32_t borderWidth = 1;
  platform::Color topLeftColor;
  platform::Color bottomRightColor;
};

// The entries in their record order.
std::vector<platform::PropertyEntry> WindowEntries(const WindowValues& values);
std::vector<platform::PropertyEntry> TextAreaEntries(const TextAreaValues& values);
std::vector<platform::PropertyEntry> PushButtonEntries(const PushButtonValues& values);
std::vector<platform::PropertyEntry> LabelEntries(const LabelValues& values);
std::vector<platform::PropertyEntry> CanvasEntries(const CanvasValues& values);
std::vector<platform::PropertyEntry> RectangleEntries(const RectangleValues& values);

}  // namespace corvane::records
