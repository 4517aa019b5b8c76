#include "platform/controls/control.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/controls/control_data_qt.h"
#include "platform/core/unhandled_exception.h"
#include "platform/properties/property_value.h"

namespace platform {
namespace {

// Wider and taller than any screen, and small enough that Qt's arithmetic on a control's edges
// cannot overflow an int and a style's picture of the control stays a sensible size.
constexpr int32_t kLargestExtent = 8192;

int32_t OnScreenPosition(int32_t position) {
  return std::clamp(position, -kLargestExtent, kLargestExtent);
}
int32_t OnScreenSize(int32_t size) {
  return std::clamp(size, 0, kLargestExtent);
}

}  // namespace

RectControl::RectControl()
    : data_(std::make_unique<RectControlData>()), index_(kNoControlArrayIndex) {}

RectControl::~RectControl() {
  data_->link->control = nullptr;
  // Deleted later, never now: the control may go away inside one of its own widget's events.
  if (data_->widget && QCoreApplication::instance()) data_->widget->deleteLater();
}

const ClassRecord& RectControl::Lookup() {
  return DeclareClass<RectControl>("RectControl");
}

int32_t RectControl::Left() const {
  return data_->Widget().x();
}
int32_t RectControl::Top() const {
  return data_->Widget().y();
}
int32_t RectControl::Width() const {
  return data_->Widget().width();
}
int32_t RectControl::Height() const {
  return data_->Widget().height();
}

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  // A widget not yet in a window stays hidden; adding it to the window shows it when visible.
  QWidget& widget = data_->Widget();
  if (widget.parentWidget()) widget.setVisible(visible);
}

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  data_->Widget().setEnabled(enabled);
}

void RectControl::SetFocus() {
  data_->Widget().setFocus(Qt::OtherFocusReason);
}

void RectControl::SetEventHandler(int32_t eventNumber, std::shared_ptr<Delegate> handler) {
  if (!HasEvent(eventNumber)) {
    const ClassRecord* record = ClassRecordOf();
    throw RuntimeException((record ? record->name : std::string("The control")) + " has no event " +
                           std::to_string(eventNumber));
  }
  handlers_[eventNumber] = std::move(handler);
}

bool RectControl::HasEventHandler(int32_t eventNumber) const {
  return EventHandler(eventNumber) != nullptr;
}

std::shared_ptr<Delegate> RectControl::EventHandler(int32_t eventNumber) const {
  auto found = handlers_.find(eventNumber);
  return found == handlers_.end() ? nullptr : found->second;
}

std::optional<Value> RectControl::DispatchEvent(int32_t eventNumber,
                                                const std::vector<Value>& arguments) {
  auto found = handlers_.find(eventNumber);
  if (found == handlers_.end() || !found->second) return Value();
  // Both held for the whole call: the handler may close the window that owns this control, and
  // with it the last other reference to the control.
  std::shared_ptr<Delegate> handler = found->second;
  std::shared_ptr<Object> self = weak_from_this().lock();
  Value result;
  bool completed = RunReportingExceptions([&] {
    NotNil(self);
    std::vector<Value> withControl{Value(self)};
    withControl.insert(withControl.end(), arguments.begin(), arguments.end());
    result = handler->Invoke(withControl);
  });
  if (!completed) return std::nullopt;
  return result;
}

bool RectControl::HasEvent(int32_t /*eventNumber*/) const {
  return false;
}

void RectControl::ApplyProperty(const std::string& key, const PropertyValue& value) {
  QWidget& widget = data_->Widget();
  if (key == "Left") {
    widget.move(OnScreenPosition(value.AsInt32()), widget.y());
  } else if (key == "Top") {
    widget.move(widget.x(), OnScreenPosition(value.AsInt32()));
  } else if (key == "Width") {
    widget.resize(OnScreenSize(value.AsInt32()), widget.height());
  } else if (key == "Height") {
    widget.resize(widget.width(), OnScreenSize(value.AsInt32()));
  } else if (key == "Name") {
    SetName(value.AsString());
  } else if (key == "Index") {
    index_ = value.AsInt32();
  } else if (key == "Visible") {
    SetVisible(value.AsBoolean());
  } else if (key == "Enabled") {
    SetEnabled(value.AsBoolean());
  } else if (key == "HelpTag") {
    widget.setToolTip(QString::fromStdString(value.AsString()));
  }
}

void RuntimeAddEventHandler(const std::shared_ptr<RectControl>& control, int32_t eventNumber,
                            const std::shared_ptr<Delegate>& handler) {
  NotNil(control).SetEventHandler(eventNumber, handler);
}

}  // namespace platform
