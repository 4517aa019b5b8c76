#include "platform/testing/modal_box_simulation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <climits>

#include "platform/windows/window_qt.h"

namespace platform {
namespace {

QMessageBox* FrontMessageBox() {
  return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

QString PlainCaption(const QAbstractButton& button) {
  return QString(button.text()).remove(u'&');
}

// The label that shows the box's text.
const QLabel* TextLabel(const QMessageBox& box) {
  for (const QLabel* label : box.findChildren<QLabel*>()) {
    if (label->text() == box.text()) return label;
  }
  return nullptr;
}

}  // namespace

std::optional<ModalBoxView> FrontModalBox() {
  QMessageBox* box = FrontMessageBox();
  if (!box) return std::nullopt;
  ModalBoxView view;
  view.title = box->windowTitle().toStdString();
  // As a person reads it: the box may break long words with spaces that show nothing.
  view.text = QString(box->text()).remove(QChar(0x200B)).toStdString();
  for (QAbstractButton* button : box->buttons()) {
    view.buttons.push_back(PlainCaption(*button).toStdString());
    view.buttonIcons = view.buttonIcons || !button->icon().isNull();
  }
  view.titleTextWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
  view.left = box->x();
  view.top = box->y();
  view.width = box->width();
  view.height = box->height();
  view.owner = WindowOfWidget(box->parentWidget());
  if (const QLabel* label = TextLabel(*box)) {
    view.textRoom = label->width();
    view.widestTextLine =
        label->fontMetrics()
            .boundingRect(QRect(0, 0, label->width(), INT_MAX / 2), Qt::TextWordWrap, label->text())
            .width();
  }
  return view;
}

bool PressModalBoxButton(const std::string& caption) {
  QMessageBox* box = FrontMessageBox();
  if (!box) return false;
  for (QAbstractButton* button : box->buttons()) {
    if (PlainCaption(*button).toStdString() == caption) {
      button->click();
      return true;
    }
  }
  return false;
}

}  // namespace platform
