#include "platform/testing/menu_user_simulation.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include "platform/core/exceptions.h"
#include "platform/menus/menu_bar_qt.h"
#include "platform/windows/window_widget_qt.h"

// Qt's own entry for a key press that may be a shortcut: the focused widget may claim the key
// first (ShortcutOverride), then the shortcut map is tried. Exported by Qt GUI for its test
// library; declared here as that library declares it.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods,
                                               const QString& text = QString(),
                                               bool autorep = false, ushort count = 1);

namespace platform {
namespace {

QWidget& ActiveWindowWidget() {
  QWidget* active = QApplication::activeWindow();
  if (!active) throw NilObjectException("No window is active");
  return *active;
}

QWidget& ActiveMenuBarView() {
  auto* window = dynamic_cast<WindowWidget*>(&ActiveWindowWidget());
  QWidget* view = window ? window->MenuBarWidget() : nullptr;
  if (!view) throw NilObjectException("The active window shows no menu bar");
  return *view;
}

// Shows the menu as its title's click does, which brings its items' states up to date.
void OpenAndClose(QMenu& menu) {
  menu.popup(menu.parentWidget()->mapToGlobal(QPoint(0, 0)));
  menu.hide();
}

}  // namespace

std::vector<std::string> OpenMenu(const std::string& menuName) {
  auto* menu = ActiveMenuBarView().findChild<QMenu*>(QString::fromStdString(menuName));
  if (!menu) throw NilObjectException("The menu bar has no menu " + menuName);
  OpenAndClose(*menu);
  std::vector<std::string> enabled;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator() && action->isEnabled()) {
      enabled.push_back(action->objectName().toStdString());
    }
  }
  return enabled;
}

bool ChooseMenuItem(const std::string& itemName) {
  auto* action = ActiveMenuBarView().findChild<QAction*>(QString::fromStdString(itemName));
  auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
  if (!menu) throw NilObjectException("The menu bar has no item " + itemName);
  OpenAndClose(*menu);
  if (!action->isEnabled()) return false;
  action->trigger();
  return true;
}

void OpenMenuThenPressEscape(const std::string& menuName) {
  auto* bar = qobject_cast<QMenuBar*>(&ActiveMenuBarView());
  auto* menu = bar ? bar->findChild<QMenu*>(QString::fromStdString(menuName)) : nullptr;
  if (!menu) throw NilObjectException("The menu bar has no menu " + menuName);
  QPointF title(bar->actionGeometry(menu->menuAction()).center());
  QMouseEvent press(QEvent::MouseButtonPress, title, bar->mapToGlobal(title), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &press);
  QWidget* popup = QApplication::activePopupWidget();
  if (!popup) throw NilObjectException("The menu " + menuName + " did not open");
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(popup, &escape);
}

void PressShortcut(const std::string& shortcut) {
  QWidget& window = ActiveWindowWidget();
  QWidget& target = window.focusWidget() ? *window.focusWidget() : window;
  QKeyCombination keys = KeySequenceFromShortcut(shortcut)[0];
  int key = keys.key();
  Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
  // A keyboard types a control character for Ctrl and a letter.
  QString text;
  if (modifiers == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z) {
    text = QChar(key - Qt::Key_A + 1);
  }
  if (qt_sendShortcutOverrideEvent(&target, 0, key, modifiers, text)) return;
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(&target, &release);
}

}  // namespace platform
