#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/control.h"
#include "platform/core/class_record.h"
#include "platform/core/color.h"
#include "platform/core/delegate.h"
#include "platform/core/object.h"
#include "platform/core/value.h"
#include "platform/properties/property_target.h"
#include "platform/windows/menu_target.h"

namespace platform {

class MenuBar;
class WindowWidget;
struct WindowData;

// The kinds of window a record's Frame selects.
constexpr int32_t kDocumentWindowFrame = 0;
constexpr int32_t kNeverShownWindowFrame = 1;
constexpr int32_t kBoxWindowFrame = 2;

// A top-level window. A program's window class derives from it and describes itself in its class
// record: its operations, and in the event table which of them handle the window's events. The
// framework builds the window (Constructor) and raises its events through that table.
class Window : public Object, public PropertyTarget, public MenuTarget {
 public:
  Window();
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The record of Window itself: its 33 events, none handled.
  static const ClassRecord& Lookup();

  // Builds the window, which must have been made from its class record (RuntimeNewObject):
  // 1. it becomes its class's open window, so a reference to the class from here on, even from
  //    its own Open event, yields this window;
  // 2. the construction hooks of the event table run in table order (Layout, CreateControls,
  //    AddMenuHandlers); if one fails, the window is discarded and the exception passes on;
  // 3. the Open events of the controls, in creation order, then the window's own Open event
  //    (a failing one is reported and construction goes on);
  // 4. the window is shown if its record (or a Show since) made it visible.
  void Constructor();

  // Window's own operations head every window class's method table and, like every operation
  // called through it, are virtual.
  virtual void Show();
  virtual void Hide();
  // Runs the Close event, ends the window's time as its class's open window and destroys its
  // widgets (later, so a Close from inside one of its own handlers is safe). Closing twice does
  // nothing.
  virtual void Close();
  bool IsClosed() const { return closed_; }

  // Whether the window is shown. During construction it is not yet, even when its record will
  // have it shown once construction is complete.
  bool Visible() const { return shown_; }
  virtual std::string Title() const;
  virtual void SetTitle(const std::string& title);

  // The window's screen position and the size of its content area, in pixels.
  int32_t Left() const;
  int32_t Top() const;
  int32_t Width() const;
  int32_t Height() const;

  // One of the kinds above: a document window, one that is never shown, a box without a title bar.
  int32_t Frame() const { return frame_; }

  std::shared_ptr<platform::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<platform::MenuBar> menuBar);
  bool MenuBarVisible() const { return menuBarVisible_; }

  // Adds the control to the content area under its name; the window owns it from then on.
  void _AddControl(const std::string& name, const std::shared_ptr<RectControl>& control);
  // The first control of that name, or nil.
  std::shared_ptr<RectControl> _ControlByName(const std::string& name) const;
  // The controls in creation order.
  const std::vector<std::shared_ptr<RectControl>>& Controls() const { return controls_; }

  // Registers the handler of a menu item, replacing an earlier one of that name. The window holds
  // it until it is closed.
  void _AddMenuHandler(const std::string& itemName, const std::shared_ptr<Delegate>& handler);

  bool HandleMenuCommand(const std::string& itemName) override;
  void RunEnableMenuItems() override;

  // Whether the class's event table names a handler for the event.
  bool HandlesEvent(const std::string& eventName) const;
  // Raised by the framework: runs the event's handler from the class's event table. Nil when the
  // class does not handle the event; nothing (std::nullopt) when the handler failed, after its
  // exception was reported.
  std::optional<Value> DispatchEvent(const std::string& eventName,
                                     const std::vector<Value>& arguments = {});
  // A close request from the user (the close box); ignored when the window has none.
  void RequestCloseByUser();

  // The Qt side, for the framework only.
  WindowData& Data() const { return *data_; }

 protected:
  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  const ClassRecord& RequireClassRecord() const;
  Value RaiseEvent(const std::string& eventName, const std::vector<Value>& arguments);
  void RunConstructionHooks();
  void RaiseOpenEvents();
  void Discard();
  WindowWidget& Widget() const;
  void ShowWidget();
  void UpdateWindowFlags();
  void UpdateBackground();
  void SetVisible(bool visible);

  std::unique_ptr<WindowData> data_;
  std::vector<std::shared_ptr<RectControl>> controls_;
  std::shared_ptr<platform::MenuBar> menuBar_;
  std::string title_;
  bool menuBarVisible_ = true;
  bool hasBackColor_ = false;
  Color backColor_{0xFFFFFF};
  int32_t frame_ = 0;
  bool closeButton_ = true;
  bool minimizeButton_ = true;
  bool maximizeButton_ = false;
  // The position the record gave (0, 0: none; the framework places the window).
  int32_t givenLeft_ = 0;
  int32_t givenTop_ = 0;
  bool placed_ = false;
  bool shown_ = false;
  bool showWhenConstructed_ = false;
  bool constructing_ = false;
  bool closed_ = false;
};

}  // namespace platform
