#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/object.h"

namespace platform {

// One entry of a menu bar: a menu's title, a command or a separator. The menus of a bar are its
// children, and a menu's commands are the children of its title item.
class MenuItem : public Object {
 public:
  MenuItem() = default;
  ~MenuItem() override = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  static const ClassRecord& Lookup();

  // The key under which handlers are registered and items are looked up.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  // The caption; "-" makes the item a separator.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text) { text_ = text; }
  bool IsSeparator() const { return text_ == "-"; }

  // "Cmd+X" style; empty for none.
  const std::string& KeyboardShortcut() const { return keyboardShortcut_; }
  void SetKeyboardShortcut(const std::string& shortcut) { keyboardShortcut_ = shortcut; }

  // True: enabled whenever the menus are brought up to date. False: disabled then, until an
  // EnableMenuItems event enables it.
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // Raises the nil-object exception for a nil child.
  void Append(std::shared_ptr<MenuItem> child);
  int32_t Count() const;
  // Raises the out-of-bounds exception outside 0..Count()-1.
  std::shared_ptr<MenuItem> Item(int32_t index) const;

  // The first item below this one, at any depth, that bears the name; nil when none does.
  std::shared_ptr<MenuItem> _Lookup(const std::string& name) const;

 private:
  std::string name_;
  std::string text_;
  std::string keyboardShortcut_;
  bool autoEnable_ = true;
  bool enabled_ = true;
  std::vector<std::shared_ptr<MenuItem>> children_;
};

}  // namespace platform
