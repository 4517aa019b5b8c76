#include "platform/windows/window_placement_qt.h"

#include <QApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/windows/window.h"
#include "platform/windows/window_last_worked_in_qt.h"
#include "platform/windows/window_widget_qt.h"

namespace platform {
namespace {

// Before the window manager has framed any window its title bar's height is not known; windows
// are stepped by at least this much so that a title bar of the usual height stays uncovered.
constexpr int32_t kLeastTitleBarHeight = 24;
constexpr int32_t kCascadeGap = 8;
// How long to wait for the window manager to frame a new window, and how often to look.
constexpr int kFrameWaitMilliseconds = 1000;
constexpr int kFrameLookMilliseconds = 20;

ScreenRect ToScreenRect(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

std::vector<WindowWidget*> ShownDocumentWindows(const WindowWidget& except) {
  std::vector<WindowWidget*> shown;
  for (QWidget* topLevel : QApplication::topLevelWidgets()) {
    auto* widget = dynamic_cast<WindowWidget*>(topLevel);
    if (!widget || widget == &except || !widget->isVisible() || !widget->Owner()) continue;
    if (widget->Owner()->Frame() == kDocumentWindowFrame) shown.push_back(widget);
  }
  return shown;
}

// What the window manager adds round a document window, learned from one it has framed already.
QMargins DocumentFrameExtents(const std::vector<WindowWidget*>& shownDocuments) {
  for (const WindowWidget* widget : shownDocuments) {
    QRect frame = widget->frameGeometry();
    QRect client = widget->geometry();
    if (frame != client) {
      return {client.left() - frame.left(), client.top() - frame.top(),
              frame.right() - client.right(), frame.bottom() - client.bottom()};
    }
  }
  return {};
}

bool FrameKnown(const QWidget& widget) {
  return widget.frameGeometry() != widget.geometry();
}

// A window's content is where Qt puts it, and the window manager adds its frame round it; before
// the frame exists its size is not known, so the title bar of the first window would lie above the
// place. Once the frame is known the window is moved so the frame's corner is at the place.
void MoveFrameToPlaceOnceFramed(QPointer<WindowWidget> widget, QPoint place, int waitedMs) {
  if (!widget || !widget->isVisible() || waitedMs > kFrameWaitMilliseconds) return;
  if (!FrameKnown(*widget)) {
    QTimer::singleShot(kFrameLookMilliseconds, widget, [widget, place, waitedMs] {
      MoveFrameToPlaceOnceFramed(widget, place, waitedMs + kFrameLookMilliseconds);
    });
    return;
  }
  // A top-level widget's position is its frame's once the frame is known.
  if (widget->pos() != place) widget->move(place);
}

}  // namespace

ScreenRect AvailableScreenArea() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? ToScreenRect(screen->availableGeometry()) : ScreenRect{0, 0, 1024, 768};
}

void PlaceWindow(WindowWidget& widget, int32_t frame, ScreenPoint given) {
  // The widget takes its fixed size from its layout; settled now, before it is measured.
  if (QLayout* layout = widget.layout()) layout->activate();
  const ScreenRect available = AvailableScreenArea();
  std::vector<WindowWidget*> documents = ShownDocumentWindows(widget);
  // A box has no frame from the window manager; a document window is framed as the others were.
  QMargins extents = frame == kBoxWindowFrame ? QMargins() : DocumentFrameExtents(documents);
  const int32_t frameWidth = widget.width() + extents.left() + extents.right();
  const int32_t frameHeight = widget.height() + extents.top() + extents.bottom();
  const int32_t titleHeight = std::max(extents.top(), kLeastTitleBarHeight);

  ScreenPoint place;
  if (given.x != 0 || given.y != 0) {
    place = KeptOnScreen(given, frameWidth, frame == kBoxWindowFrame ? frameHeight : titleHeight,
                         available);
  } else if (frame == kBoxWindowFrame) {
    // The box comes from the menu or a key of the window the person works in.
    const QWidget* owner = WindowLastWorkedIn();
    place = CentredPlace(owner ? ToScreenRect(owner->frameGeometry()) : available, frameWidth,
                         frameHeight, available);
  } else {
    std::vector<ScreenPoint> occupied;
    for (const WindowWidget* shown : documents) {
      occupied.push_back({shown->frameGeometry().x(), shown->frameGeometry().y()});
    }
    place = CascadedPlace(available, frameWidth, frameHeight, occupied, titleHeight + kCascadeGap);
  }
  QPoint framePlace(place.x, place.y);
  widget.move(framePlace);
  if (frame != kBoxWindowFrame && !FrameKnown(widget)) {
    // Looked at once the window is shown, from the event loop.
    QTimer::singleShot(0, &widget, [shown = QPointer<WindowWidget>(&widget), framePlace] {
      MoveFrameToPlaceOnceFramed(shown, framePlace, 0);
    });
  }
}

}  // namespace platform
