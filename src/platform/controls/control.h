#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/class_record.h"
#include "platform/core/delegate.h"
#include "platform/core/object.h"
#include "platform/core/value.h"
#include "platform/properties/property_target.h"

namespace platform {

struct RectControlData;

// A control: a rectangle of a window's content area, configured by a property record, raising
// numbered events to the delegates bound to them.
class RectControl : public Object, public PropertyTarget {
 public:
  // Every control class that has an Open event gives it this number.
  static constexpr int32_t kOpenEvent = 1;

  ~RectControl() override;
  RectControl(const RectControl&) = delete;
  RectControl& operator=(const RectControl&) = delete;

  static const ClassRecord& Lookup();

  // The name the window holds the control under.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  // The index in a control array; kNoControlArrayIndex for none.
  int32_t Index() const { return index_; }

  // Position and size in pixels, from the top-left of the window's content area.
  int32_t Left() const;
  int32_t Top() const;
  int32_t Width() const;
  int32_t Height() const;

  // Whether the control is shown with its window (not whether the window shows right now).
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  void SetFocus();

  // Binds the delegate to the event (replacing an earlier one). Raises RuntimeException for an
  // event number the control's class does not have.
  void SetEventHandler(int32_t eventNumber, std::shared_ptr<Delegate> handler);
  bool HasEventHandler(int32_t eventNumber) const;
  // The delegate bound to the event, or nil.
  std::shared_ptr<Delegate> EventHandler(int32_t eventNumber) const;

  // Raised by the framework: calls the delegate bound to the event with the control followed by
  // the event's arguments. Nil when no delegate is bound; nothing (std::nullopt) when the handler
  // failed, after its exception was reported.
  std::optional<Value> DispatchEvent(int32_t eventNumber, const std::vector<Value>& arguments);

  // The Qt side, for the framework only.
  RectControlData& Data() const { return *data_; }

 protected:
  RectControl();

  virtual bool HasEvent(int32_t eventNumber) const;
  // Geometry, Name, Index, Visible, Enabled and HelpTag; the subclasses add their own keys.
  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  std::unique_ptr<RectControlData> data_;
  std::string name_;
  int32_t index_;
  bool visible_ = true;
  bool enabled_ = true;
  std::map<int32_t, std::shared_ptr<Delegate>> handlers_;
};

// Binds a delegate to a control's event (the binding step of a window's control creation).
// Raises NilObjectException for a nil control.
void RuntimeAddEventHandler(const std::shared_ptr<RectControl>& control, int32_t eventNumber,
                            const std::shared_ptr<Delegate>& handler);

}  // namespace platform
