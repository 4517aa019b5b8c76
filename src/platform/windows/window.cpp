#include "platform/windows/window.h"

#include <QCoreApplication>
#include <QPalette>

#include "platform/controls/control_data_qt.h"
#include "platform/core/invoker.h"
#include "platform/core/unhandled_exception.h"
#include "platform/graphics/color_qt.h"
#include "platform/windows/implicit_instances.h"
#include "platform/windows/window_placement_qt.h"
#include "platform/windows/window_qt.h"

namespace platform {
namespace {

// The window events, in event-table order. The first three are the construction hooks.
const char* const kWindowEvents[] = {"Layout",
                                     "CreateControls",
                                     "AddMenuHandlers",
                                     "SetupBindings",
                                     "Open",
                                     "Close",
                                     "CancelClose",
                                     "KeyDown",
                                     "KeyUp",
                                     "MouseMove",
                                     "MouseEnter",
                                     "MouseExit",
                                     "Paint",
                                     "MouseDown",
                                     "MouseDrag",
                                     "MouseUp",
                                     "EnableMenuItems",
                                     "Resized",
                                     "Resizing",
                                     "Moved",
                                     "DropObject",
                                     "Activate",
                                     "Deactivate",
                                     "Minimize",
                                     "Maximize",
                                     "Restore",
                                     "MouseWheel",
                                     "ConstructContextualMenu",
                                     "ContextualMenuAction",
                                     "DragEnter",
                                     "DragExit",
                                     "DragOver",
                                     "ContentsChanged"};

// A new window's content area until its record gives the size.
constexpr int kDefaultContentWidth = 300;
constexpr int kDefaultContentHeight = 300;

MenuBarWidgetFactory& MenuBarFactory() {
  static MenuBarWidgetFactory factory;
  return factory;
}

// "[*]" is Qt's placeholder for a modified-document mark; doubled, it shows as written.
QString ShownTitle(const std::string& title) {
  return QString::fromStdString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace

WindowWidget* WidgetOf(const Window& window) {
  return window.Data().widget.data();
}

Window* WindowOfWidget(const QWidget* widget) {
  const auto* windowWidget = dynamic_cast<const WindowWidget*>(widget);
  return windowWidget ? windowWidget->Owner() : nullptr;
}

void SetMenuBarWidgetFactory(MenuBarWidgetFactory factory) {
  MenuBarFactory() = std::move(factory);
}

Window::Window() : data_(std::make_unique<WindowData>()) {
  data_->link->window = this;
  data_->widget = new WindowWidget(data_->link);
  data_->widget->Content().setFixedSize(kDefaultContentWidth, kDefaultContentHeight);
  UpdateWindowFlags();
}

Window::~Window() {
  data_->link->window = nullptr;
  if (data_->widget && QCoreApplication::instance()) {
    data_->widget->hide();
    data_->widget->deleteLater();
  }
}

const ClassRecord& Window::Lookup() {
  return DeclareClass<Window>("Window", nullptr, [] {
    return ClassDeclaration{
        // Window's own operations open the method table of every window class.
        .methods = {Method("Show", "%%", &Window::Show), Method("Hide", "%%", &Window::Hide),
                    Method("Close", "%%", &Window::Close), Method("Title", "%s%", &Window::Title),
                    Method("SetTitle", "%%s", &Window::SetTitle)},
        .newEvents = {std::begin(kWindowEvents), std::end(kWindowEvents)},
        .attributes = {Attribute("__Scope", "Public")},
    };
  });
}

void Window::Constructor() {
  const ClassRecord& record = RequireClassRecord();
  RegisterImplicitWindow(record.name, std::static_pointer_cast<Window>(shared_from_this()));
  constructing_ = true;
  try {
    RunConstructionHooks();
  } catch (...) {
    // Half built: no later reference to the class may find it.
    constructing_ = false;
    Discard();
    throw;
  }
  constructing_ = false;
  RaiseOpenEvents();
  if (!closed_ && showWhenConstructed_ && !shown_) Show();
}

void Window::RunConstructionHooks() {
  for (const EventEntry& entry : RequireClassRecord().events) {
    if (entry.eventName == "Layout" || entry.eventName == "CreateControls") {
      RaiseEvent(entry.eventName, {});
    } else if (entry.eventName == "AddMenuHandlers") {
      RaiseEvent(entry.eventName, {Value(shared_from_this())});
    }
  }
}

void Window::RaiseOpenEvents() {
  // A copy: an Open handler may add controls.
  std::vector<std::shared_ptr<RectControl>> controls = controls_;
  for (const std::shared_ptr<RectControl>& control : controls) {
    if (closed_) return;
    control->DispatchEvent(RectControl::kOpenEvent, {});
  }
  if (!closed_) DispatchEvent("Open");
}

void Window::Show() {
  if (closed_) return;
  if (frame_ == kNeverShownWindowFrame) return;
  shown_ = true;
  showWhenConstructed_ = true;
  ShowWidget();
}

void Window::ShowWidget() {
  WindowWidget* widget = data_->widget;
  if (!widget) return;
  // A document window keeps the place it was given (or moved to) when shown again; a box comes up
  // over the window it was called from each time.
  const bool place = !widget->isVisible() && (!placed_ || frame_ == kBoxWindowFrame);
  // A window shown anew comes up in front anyway; one already shown is brought forward.
  if (widget->isVisible()) widget->raise();
  if (place) PlaceWindow(*widget, frame_, {givenLeft_, givenTop_});
  placed_ = placed_ || place;
  // A minimized window stays minimized through show() and activateWindow(): without a panel to
  // restore it from, the person would be left with nothing on the screen.
  widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
  widget->show();
  widget->activateWindow();
}

void Window::Hide() {
  shown_ = false;
  showWhenConstructed_ = false;
  if (data_->widget) data_->widget->hide();
}

void Window::SetVisible(bool visible) {
  if (!visible) {
    Hide();
  } else if (constructing_) {
    showWhenConstructed_ = true;
  } else {
    Show();
  }
}

void Window::Close() {
  if (closed_) return;
  // Held to the end: the registry may hold the last other reference.
  std::shared_ptr<Object> keepAlive = weak_from_this().lock();
  closed_ = true;
  DispatchEvent("Close");
  Discard();
}

void Window::Discard() {
  closed_ = true;
  shown_ = false;
  showWhenConstructed_ = false;
  if (const ClassRecord* record = ClassRecordOf()) UnregisterImplicitWindow(record->name, *this);
  menuHandlers_.Clear();
  if (WindowWidget* widget = data_->widget) {
    widget->hide();
    widget->deleteLater();
  }
}

void Window::RequestCloseByUser() {
  if (!closed_ && closeButton_) Close();
}

std::string Window::Title() const {
  return title_;
}

void Window::SetTitle(const std::string& title) {
  title_ = title;
  Widget().setWindowTitle(ShownTitle(title));
}

int32_t Window::Left() const {
  return Widget().x();
}
int32_t Window::Top() const {
  return Widget().y();
}
int32_t Window::Width() const {
  return Widget().Content().width();
}
int32_t Window::Height() const {
  return Widget().Content().height();
}

void Window::SetMenuBar(std::shared_ptr<platform::MenuBar> menuBar) {
  menuBar_ = std::move(menuBar);
  WindowWidget* widget = data_->widget;
  if (widget && MenuBarFactory()) {
    widget->SetMenuBarWidget(menuBar_ ? MenuBarFactory()(*this, menuBar_) : nullptr);
  }
}

void Window::_AddControl(const std::string& name, const std::shared_ptr<RectControl>& control) {
  RectControl& added = NotNil(control);
  added.SetName(name);
  QWidget& controlWidget = added.Data().Widget();
  controlWidget.setParent(&Widget().Content());
  controlWidget.setVisible(added.Visible());
  controls_.push_back(control);
}

std::shared_ptr<RectControl> Window::_ControlByName(const std::string& name) const {
  for (const std::shared_ptr<RectControl>& control : controls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

void Window::_AddMenuHandler(const std::string& itemName,
                             const std::shared_ptr<Delegate>& handler) {
  // A closed window is never offered a command again.
  if (closed_) return;
  menuHandlers_.Add(*this, itemName, handler);
}

bool Window::HandleMenuCommand(const std::string& itemName) {
  // The handler may close the window.
  std::shared_ptr<Object> keepAlive = weak_from_this().lock();
  return menuHandlers_.Run(itemName);
}

void Window::RunEnableMenuItems() {
  std::shared_ptr<Object> keepAlive = weak_from_this().lock();
  RaiseEvent("EnableMenuItems", {});
}

bool Window::HandlesEvent(const std::string& eventName) const {
  const ClassRecord* record = ClassRecordOf();
  const EventEntry* entry = record ? record->FindEvent(eventName) : nullptr;
  return entry && !entry->handlerName.empty();
}

std::optional<Value> Window::DispatchEvent(const std::string& eventName,
                                           const std::vector<Value>& arguments) {
  std::shared_ptr<Object> keepAlive = weak_from_this().lock();
  Value result;
  if (!RunReportingExceptions([&] { result = RaiseEvent(eventName, arguments); })) {
    return std::nullopt;
  }
  return result;
}

Value Window::RaiseEvent(const std::string& eventName, const std::vector<Value>& arguments) {
  const ClassRecord& record = RequireClassRecord();
  const EventEntry* entry = record.FindEvent(eventName);
  if (!entry || entry->handlerName.empty()) return Value();
  const MemberRecord* handler = record.FindMethod(entry->handlerName);
  if (!handler) throw RuntimeException(record.name + " has no operation " + entry->handlerName);
  return handler->invoker(*this, arguments);
}

const ClassRecord& Window::RequireClassRecord() const {
  const ClassRecord* record = ClassRecordOf();
  if (!record) throw RuntimeException("A window must be created from its class record");
  return *record;
}

WindowWidget& Window::Widget() const {
  if (!data_->widget) throw NilObjectException("The window was closed");
  return *data_->widget;
}

void Window::UpdateWindowFlags() {
  Qt::WindowFlags flags = Qt::Window;
  WindowWidget& widget = Widget();
  // Without a title bar a box needs an edge of its own against a white window behind it.
  widget.SetEdgeDrawn(frame_ == kBoxWindowFrame);
  if (frame_ == kBoxWindowFrame) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton_) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_) flags |= Qt::WindowMaximizeButtonHint;
  }
  if (widget.windowFlags() == flags) return;
  // Qt hides a window whose flags change; it comes back as it was.
  bool shown = widget.isVisible();
  widget.setWindowFlags(flags);
  if (shown) widget.show();
}

void Window::UpdateBackground() {
  WindowContentWidget& content = Widget().Content();
  QPalette palette;
  if (hasBackColor_) palette.setColor(QPalette::Window, ToQColor(backColor_));
  content.setPalette(palette);
  content.setAutoFillBackground(hasBackColor_);
}

void Window::ApplyProperty(const std::string& key, const PropertyValue& value) {
  WindowWidget& widget = Widget();
  if (key == "Width") {
    widget.Content().setFixedWidth(value.AsInt32());
  } else if (key == "Height") {
    widget.Content().setFixedHeight(value.AsInt32());
  } else if (key == "Left") {
    givenLeft_ = value.AsInt32();
    widget.move(givenLeft_, widget.y());
  } else if (key == "Top") {
    givenTop_ = value.AsInt32();
    widget.move(widget.x(), givenTop_);
  } else if (key == "Title") {
    SetTitle(value.AsString());
  } else if (key == "Visible") {
    SetVisible(value.AsBoolean());
  } else if (key == "Frame") {
    frame_ = value.AsInt32();
    UpdateWindowFlags();
  } else if (key == "CloseButton") {
    closeButton_ = value.AsBoolean();
    UpdateWindowFlags();
  } else if (key == "MinimizeButton") {
    minimizeButton_ = value.AsBoolean();
    UpdateWindowFlags();
  } else if (key == "MaximizeButton") {
    maximizeButton_ = value.AsBoolean();
    UpdateWindowFlags();
  } else if (key == "HasBackColor") {
    hasBackColor_ = value.AsBoolean();
    UpdateBackground();
  } else if (key == "BackColor") {
    backColor_ = value.AsColor();
    UpdateBackground();
  } else if (key == "MenuBarVisible") {
    menuBarVisible_ = value.AsBoolean();
  }
}

}  // namespace platform
