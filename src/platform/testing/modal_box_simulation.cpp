#include "platform/testing/modal_box_simulation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "platform/windows/window_qt.h"

namespace platform {
namespace {

QMessageBox* FrontMessageBox() {
  return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

QString PlainCaption(const QAbstractButton& button) {
  return QString(button.text()).remove(u'&');
}

}  // namespace

std::optional<ModalBoxView> FrontModalBox() {
  QMessageBox* box = FrontMessageBox();
  if (!box) return std::nullopt;
  ModalBoxView view;
  view.title = box->windowTitle().toStdString();
  view.text = box->text().toStdString();
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
