#include "platform/menus/menu_bar_qt.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QStringList>
#include <utility>
#include <vector>

#include "platform/core/unhandled_exception.h"
#include "platform/menus/menu_bar.h"
#include "platform/menus/menu_dispatch.h"

namespace platform {
namespace {

// Captions are shown as written: a lone '&' would otherwise mark a mnemonic and vanish.
QString Caption(const MenuItem& item) {
  return QString::fromStdString(item.Text()).replace('&', "&&");
}

// A menu of the bar. Escape closes it and hands the keyboard back to the control that had it:
// Qt would keep the keyboard in the bar, waiting for arrow keys, and the next typed keys would go
// nowhere a person can see.
class BarMenu : public QMenu {
 public:
  BarMenu(const QString& title, QMenuBar& bar) : QMenu(title, &bar), bar_(bar) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool escape = event->key() == Qt::Key_Escape;
    QMenu::keyPressEvent(event);
    if (escape && bar_.hasFocus()) {
      // Escape in the bar itself leaves its keyboard mode and gives the focus back.
      QKeyEvent leave(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(&bar_, &leave);
    }
  }

 private:
  QMenuBar& bar_;
};

class MenuBarView : public QMenuBar {
 public:
  MenuBarView(std::shared_ptr<MenuBar> model, QWidget* windowWidget,
              std::weak_ptr<MenuTarget> windowTarget)
      : QMenuBar(windowWidget), model_(std::move(model)), windowTarget_(std::move(windowTarget)) {
    // In the window, above its content, even where the desktop offers a global menu bar.
    setNativeMenuBar(false);
    for (int32_t index = 0; index < model_->Count(); ++index) {
      std::shared_ptr<MenuItem> title = model_->Item(index);
      // A menu opens whatever its title's state: the states that matter are its items'.
      QMenu* menu = new BarMenu(Caption(*title), *this);
      addMenu(menu);
      menu->setObjectName(QString::fromStdString(title->Name()));
      connect(menu, &QMenu::aboutToShow, this, [this] { RefreshAndShowStates(); });
      AddItems(*menu, *title);
    }
  }

  const std::shared_ptr<MenuBar>& Model() const { return model_; }

 private:
  void AddItems(QMenu& menu, const MenuItem& parent) {
    for (int32_t index = 0; index < parent.Count(); ++index) {
      std::shared_ptr<MenuItem> item = parent.Item(index);
      if (item->IsSeparator()) {
        menu.addSeparator()->setObjectName(QString::fromStdString(item->Name()));
      } else if (item->Count() > 0) {
        QMenu* submenu = menu.addMenu(Caption(*item));
        submenu->setObjectName(QString::fromStdString(item->Name()));
        AddItems(*submenu, *item);
      } else {
        AddAction(menu, item);
      }
    }
  }

  void AddAction(QMenu& menu, const std::shared_ptr<MenuItem>& item) {
    QAction* action = menu.addAction(Caption(*item));
    action->setObjectName(QString::fromStdString(item->Name()));
    connect(action, &QAction::triggered, this, [this, item] { Choose(*item); });
    actions_.emplace_back(action, item);
    QKeySequence keys = KeySequenceFromShortcut(item->KeyboardShortcut());
    if (keys.isEmpty()) return;
    // The action's own shortcut is shown in the menu and works while the menu is open, with the
    // states just brought up to date. With the menu closed the window's shortcut takes the key,
    // so that the states are brought up to date before the item is carried out.
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    new QShortcut(
        keys, this, [this, item] { Choose(*item); }, Qt::WindowShortcut);
  }

  void RefreshAndShowStates() {
    RunReportingExceptions([this] { RefreshMenuItems(*model_, windowTarget_.lock()); });
    for (const auto& [action, item] : actions_) action->setEnabled(item->Enabled());
  }

  void Choose(const MenuItem& item) {
    // Held for the call: a handler may replace this view, whose deletion then drops its model.
    std::shared_ptr<MenuBar> model = model_;
    RunChosenMenuItem(*model, item, windowTarget_.lock());
  }

  std::shared_ptr<MenuBar> model_;
  std::weak_ptr<MenuTarget> windowTarget_;
  std::vector<std::pair<QAction*, std::shared_ptr<MenuItem>>> actions_;
};

}  // namespace

QKeySequence KeySequenceFromShortcut(const std::string& shortcut) {
  QStringList keys = QString::fromStdString(shortcut).split('+');
  for (QString& key : keys) {
    if (key.trimmed().compare(QStringLiteral("Cmd"), Qt::CaseInsensitive) == 0) {
      key = QStringLiteral("Ctrl");
    }
  }
  return QKeySequence::fromString(keys.join('+'), QKeySequence::PortableText);
}

QMenuBar* CreateMenuBarView(const std::shared_ptr<MenuBar>& model, QWidget* windowWidget,
                            std::weak_ptr<MenuTarget> windowTarget) {
  if (!model) return nullptr;
  return new MenuBarView(model, windowWidget, std::move(windowTarget));
}

std::shared_ptr<MenuBar> ModelOfMenuBarView(const QWidget* view) {
  const auto* menuBarView = dynamic_cast<const MenuBarView*>(view);
  return menuBarView ? menuBarView->Model() : nullptr;
}

}  // namespace platform
