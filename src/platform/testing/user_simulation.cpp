#include "platform/testing/user_simulation.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/controls/control_data_qt.h"
#include "platform/core/event_loop.h"
#include "platform/core/unhandled_exception.h"
#include "platform/graphics/picture_data_qt.h"
#include "platform/windows/window_qt.h"

namespace platform {
namespace {

// A key as a keyboard reports it: its Qt key, the text it types and the modifiers it carries.
struct KeyPress {
  int key;
  QString text;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// The key for a typed character: named keys for the control characters (the keypad's Enter with
// the keypad modifier a keypad key carries), otherwise the character's own (upper-case) code.
KeyPress KeyFor(char32_t character) {
  switch (character) {
    case U'\r':
      return {Qt::Key_Return, QStringLiteral("\r")};
    case U'\n':
      return {Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier};
    case U'\b':
      return {Qt::Key_Backspace, QStringLiteral("\b")};
    case U'\t':
      return {Qt::Key_Tab, QStringLiteral("\t")};
    case U'\x1B':
      return {Qt::Key_Escape, QString(QChar(0x1B))};
    case U'\x7F':
      return {Qt::Key_Delete, QString(QChar(0x7F))};
    default:
      break;
  }
  QString text = QString::fromUcs4(&character, 1);
  return {static_cast<int>(QChar::toUpper(static_cast<uint>(character))), text};
}

void SendKey(QWidget& target, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(&target, &release);
}

void TypeInto(QWidget& target, const std::string& keys) {
  for (char32_t character : QString::fromStdString(keys).toUcs4()) {
    const KeyPress press = KeyFor(character);
    SendKey(target, press.key, press.text, press.modifiers);
  }
}

void SendShiftTab(QWidget& target) {
  SendKey(target, Qt::Key_Backtab, QStringLiteral("\t"), Qt::ShiftModifier);
}

// The widget a key pressed in the window goes to: its focused control, or the window itself.
QWidget& KeyTarget(WindowWidget& window) {
  QWidget* focused = window.focusWidget();
  return focused ? *focused : window;
}

// What a real (spontaneous) press does before the widget sees it, and a sent one does not: the
// focus goes to the first widget from the one under the pointer up to its window that takes the
// focus on a click.
void GiveFocusAsAPressDoes(QWidget& target) {
  for (QWidget* widget = &target; widget; widget = widget->parentWidget()) {
    if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
      widget->setFocus(Qt::MouseFocusReason);
      return;
    }
    if (widget->isWindow()) return;
  }
}

void Click(QWidget& target, QPoint at) {
  if (!target.isVisible()) return;
  GiveFocusAsAPressDoes(target);
  QPointF local(at);
  QPointF global(target.mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&target, &release);
}

WindowWidget& WidgetOrNil(const std::shared_ptr<Window>& window) {
  WindowWidget* widget = WidgetOf(NotNil(window));
  if (!widget) throw NilObjectException("The window was closed");
  return *widget;
}

// Input is held back while the background task runs, as Qt holds a person's keys and clicks back
// there; what else the window system sends is delivered.
std::shared_ptr<void> ScheduleFromEventLoop(bool isInput, std::function<void()> action,
                                            int32_t delayMilliseconds) {
  auto* timer = new QTimer();
  timer->setSingleShot(true);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, isInput, action = std::move(action)] {
    if (isInput && InBackgroundTask()) {
      timer->start(1);
      return;
    }
    RunReportingExceptions(action);
  });
  timer->start(std::max(delayMilliseconds, 0));
  // Deleted later: the handle may be dropped by the action itself, while the timer is signalling.
  return std::shared_ptr<void>(timer, [](void* pending) {
    auto* dropped = static_cast<QTimer*>(pending);
    dropped->stop();
    dropped->deleteLater();
  });
}

}  // namespace

void TypeText(const std::shared_ptr<TextArea>& field, const std::string& keys) {
  TypeInto(NotNil(field).Data().Widget(), keys);
}

void TypeWithAlt(const std::shared_ptr<TextArea>& field, const std::string& character) {
  QString text = QString::fromStdString(character);
  auto key = static_cast<int>(text.isEmpty() ? 0 : text.toUpper().at(0).unicode());
  SendKey(NotNil(field).Data().Widget(), key, text, Qt::AltModifier);
}

void ComposeText(const std::shared_ptr<TextArea>& field, const std::string& text) {
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromStdString(text));
  QApplication::sendEvent(&NotNil(field).Data().Widget(), &commit);
}

void PressShiftTab(const std::shared_ptr<TextArea>& field) {
  SendShiftTab(NotNil(field).Data().Widget());
}

void PasteText(const std::shared_ptr<TextArea>& field, const std::string& text) {
  QWidget& widget = NotNil(field).Data().Widget();
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  SendKey(widget, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
}

void ClickButton(const std::shared_ptr<PushButton>& button) {
  QWidget& widget = NotNil(button).Data().Widget();
  Click(widget, widget.rect().center());
}

void PressMouseOnCanvas(const std::shared_ptr<Canvas>& canvas, int32_t x, int32_t y) {
  Click(NotNil(canvas).Data().Widget(), QPoint(x, y));
}

void PressKeyInWindow(const std::shared_ptr<Window>& window, const std::string& key) {
  TypeInto(KeyTarget(WidgetOrNil(window)), key);
}

void PressShiftTabInWindow(const std::shared_ptr<Window>& window) {
  SendShiftTab(KeyTarget(WidgetOrNil(window)));
}

void ClickInWindow(const std::shared_ptr<Window>& window, int32_t x, int32_t y) {
  WindowContentWidget& content = WidgetOrNil(window).Content();
  QPoint at(x, y);
  QWidget* target = content.childAt(at);
  if (!target) {
    Click(content, at);
    return;
  }
  Click(*target, target->mapFrom(&content, at));
}

void CloseByCloseBox(const std::shared_ptr<Window>& window) {
  QCloseEvent close;
  QApplication::sendEvent(&WidgetOrNil(window), &close);
}

void ActivateWindow(const std::shared_ptr<Window>& window) {
  WindowWidget& widget = WidgetOrNil(window);
  widget.raise();
  widget.activateWindow();
  QCoreApplication::processEvents();
  // Platforms without a window manager may not carry the request out on their own.
  if (!widget.isActiveWindow()) QApplication::setActiveWindow(&widget);
}

void MinimizeWindow(const std::shared_ptr<Window>& window) {
  WindowWidget& widget = WidgetOrNil(window);
  widget.setWindowState(widget.windowState() | Qt::WindowMinimized);
  QCoreApplication::processEvents();
}

WindowLook LookOfWindow(const std::shared_ptr<Window>& window) {
  const WindowWidget& widget = WidgetOrNil(window);
  const Qt::WindowFlags flags = widget.windowFlags();
  WindowLook look;
  look.shown = widget.isVisible();
  look.minimized = widget.isMinimized();
  look.active = widget.isActiveWindow();
  look.titleBar = !flags.testFlag(Qt::FramelessWindowHint);
  look.closeBox = look.titleBar && flags.testFlag(Qt::WindowCloseButtonHint);
  look.minimizeBox = look.titleBar && flags.testFlag(Qt::WindowMinimizeButtonHint);
  look.maximizeBox = look.titleBar && flags.testFlag(Qt::WindowMaximizeButtonHint);
  look.resizable = widget.minimumSize() != widget.maximumSize();
  look.menuBar = widget.MenuBarWidget() && widget.MenuBarWidget()->isVisible();
  look.left = widget.x();
  look.top = widget.y();
  look.width = widget.width();
  look.height = widget.height();
  return look;
}

void ProcessPendingEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::shared_ptr<void> RunFromEventLoop(std::function<void()> action, int32_t delayMilliseconds) {
  return ScheduleFromEventLoop(/*isInput=*/true, std::move(action), delayMilliseconds);
}

std::shared_ptr<void> RunAsWindowSystemEvent(std::function<void()> action,
                                             int32_t delayMilliseconds) {
  return ScheduleFromEventLoop(/*isInput=*/false, std::move(action), delayMilliseconds);
}

std::shared_ptr<Picture> CaptureWindowContent(const std::shared_ptr<Window>& window) {
  WindowContentWidget& content = WidgetOrNil(window).Content();
  // The caret blinks on a timer: left out, so that one state always gives the same picture.
  const QList<QTextEdit*> fields = content.findChildren<QTextEdit*>();
  std::vector<int> caretWidths;
  for (QTextEdit* field : fields) {
    caretWidths.push_back(field->cursorWidth());
    field->setCursorWidth(0);
  }
  auto picture = std::make_shared<Picture>(0, 0);
  picture->Data().image =
      content.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (qsizetype i = 0; i < fields.size(); ++i) fields[i]->setCursorWidth(caretWidths[i]);
  return picture;
}

std::shared_ptr<Picture> CaptureWindow(const std::shared_ptr<Window>& window) {
  auto picture = std::make_shared<Picture>(0, 0);
  picture->Data().image =
      WidgetOrNil(window).grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return picture;
}

}  // namespace platform
