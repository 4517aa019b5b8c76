#include "platform/windows/window_widget_qt.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "platform/controls/key_translation_qt.h"
#include "platform/core/event_loop.h"
#include "platform/windows/window.h"
#include "platform/windows/window_last_worked_in_qt.h"

namespace platform {
namespace {
constexpr int kEdgeWidth = 1;

// No handler may start while the background task runs, so a close request arriving then waits,
// as a person's keys and clicks wait in Qt, until the handler that called the task has returned.
void RequestCloseOnceNoHandlerRuns(std::shared_ptr<WindowLink> link, QObject* context) {
  if (InBackgroundTask()) {
    QTimer::singleShot(0, context, [link = std::move(link), context]() mutable {
      RequestCloseOnceNoHandlerRuns(std::move(link), context);
    });
    return;
  }
  if (Window* owner = link->window) owner->RequestCloseByUser();
}

}  // namespace

WindowContentWidget::WindowContentWidget(std::shared_ptr<WindowLink> link)
    : link_(std::move(link)) {}

void WindowContentWidget::mousePressEvent(QMouseEvent* event) {
  Window* owner = link_->window;
  if (!owner || !owner->HandlesEvent("MouseDown")) {
    event->ignore();
    return;
  }
  QPoint at = event->position().toPoint();
  owner->DispatchEvent("MouseDown", {Value(at.x()), Value(at.y())});
  event->accept();
}

WindowWidget::WindowWidget(std::shared_ptr<WindowLink> link)
    : link_(std::move(link)),
      layout_(new QVBoxLayout(this)),
      content_(new WindowContentWidget(link_)) {
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  // The window is exactly as large as its menu bar and content: no window of the program is
  // resizable.
  layout_->setSizeConstraint(QLayout::SetFixedSize);
  layout_->addWidget(content_);
}

void WindowWidget::SetMenuBarWidget(QWidget* menuBar) {
  if (menuBar_ == menuBar) return;
  if (menuBar_) {
    layout_->removeWidget(menuBar_);
    menuBar_->deleteLater();
  }
  menuBar_ = menuBar;
  if (menuBar) layout_->insertWidget(0, menuBar);
}

void WindowWidget::SetEdgeDrawn(bool drawn) {
  if (edgeDrawn_ == drawn) return;
  edgeDrawn_ = drawn;
  const int edge = drawn ? kEdgeWidth : 0;
  layout_->setContentsMargins(edge, edge, edge, edge);
  update();
}

void WindowWidget::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!edgeDrawn_) return;
  QPainter painter(this);
  painter.setPen(QColor(0x60, 0x60, 0x60));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The framework never closes this widget through Qt: a close event is a request from the user,
  // which the window carries out (or not) by its own rules.
  event->ignore();
  RequestCloseOnceNoHandlerRuns(link_, this);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  Window* owner = link_->window;
  std::string key = KeyDownText(*event);
  if (owner && !key.empty() && owner->HandlesEvent("KeyDown")) {
    std::optional<Value> consumed = owner->DispatchEvent("KeyDown", {Value(key)});
    if (!consumed || consumed->IsTrue()) {
      event->accept();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void WindowWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) NoteWindowWorkedIn(*this);
  Window* owner = link_->window;
  if (event->type() != QEvent::ActivationChange || !owner || InBackgroundTask()) return;
  owner->DispatchEvent(isActiveWindow() ? "Activate" : "Deactivate");
}

}  // namespace platform
