#include "platform/system/message_box_qt.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QIcon>
#include <QSpacerItem>

#include "platform/system/application_display_name.h"
#include "platform/windows/window_last_worked_in_qt.h"

namespace platform {
namespace {

// Room the window manager's title bar takes besides the title: its buttons and margins.
constexpr int kTitleBarButtonsRoom = 120;

}  // namespace

ProgramMessageBox::ProgramMessageBox(Icon icon, const std::string& text, StandardButtons buttons,
                                     const std::string& title)
    : QMessageBox(icon, QString(), QString::fromStdString(text), buttons, WindowLastWorkedIn()) {
  setWindowTitle(QString::fromStdString(title.empty() ? ApplicationDisplayName() : title));
  for (QAbstractButton* button : this->buttons()) button->setIcon(QIcon());
  const int needed = fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarButtonsRoom;
  // The box sizes itself to its layout when shown, so the room goes into the layout.
  if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
    grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  } else {
    setMinimumWidth(needed);
  }
}

}  // namespace platform
