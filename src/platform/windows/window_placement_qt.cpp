#include "platform/windows/window_placement_qt.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
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
// the frame exists its size is not known, so the title bar of a new window would lie above the
// place, off the screen at the top. The watch moves the window so the frame's corner is at the
// place once the frame is known, however long the window manager takes (on a busy machine it may
// be seconds). The frame comes with no event of its own, so each event a window gets once it is
// framed and mapped (moved, resized, shown, painted, activated) is a chance to look. Without a
// window manager no frame ever comes and the watch only looks.
class FrameWatch : public QObject {
 public:
  FrameWatch(QWidget& widget, QPoint place)
      : QObject(&widget),
        widget_(widget),
        place_(place),
        contentPlaced_(widget.geometry().topLeft()) {
    widget.installEventFilter(this);
  }

  static FrameWatch* Of(const QWidget& widget) {
    for (QObject* child : widget.children()) {
      if (auto* watch = dynamic_cast<FrameWatch*>(child)) return watch;
    }
    return nullptr;
  }

 protected:
  // Installed on its own window alone.
  bool eventFilter(QObject*, QEvent* event) override {
    if (!MayComeFramed(event->type()) || !widget_.isVisible() || !FrameKnown(widget_)) return false;
    widget_.removeEventFilter(this);
    // Decided once the events that came in with the frame have all been delivered: a program that
    // was too busy to hear of the frame may have missed a move by the person as well.
    QTimer::singleShot(0, this, [this] {
      MoveFrameToPlace();
      deleteLater();
    });
    return false;
  }

 private:
  void MoveFrameToPlace() {
    // Content no longer where it was put has been moved, by the person or the program, and stays.
    // A top-level widget's position is its frame's once the frame is known.
    if (widget_.geometry().topLeft() == contentPlaced_ && widget_.pos() != place_) {
      widget_.move(place_);
    }
  }

  static bool MayComeFramed(QEvent::Type type) {
    return type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
           type == QEvent::Paint || type == QEvent::WindowActivate;
  }

  QWidget& widget_;
  const QPoint place_;
  const QPoint contentPlaced_;
};

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
  // The place of an earlier showing no longer counts.
  delete FrameWatch::Of(widget);
  if (frame != kBoxWindowFrame && !FrameKnown(widget)) new FrameWatch(widget, framePlace);
}

}  // namespace platform
