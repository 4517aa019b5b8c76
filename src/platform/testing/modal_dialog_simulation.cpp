#include "platform/testing/modal_dialog_simulation.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>

namespace platform {
namespace {

QDialog* FrontDialog() {
  return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}

QString Caption(const QString& text) {
  return QString(text).remove(u'&');
}

// Shown in the dialog itself, on the tab in front or on another.
bool ThereToBeSeen(const QWidget& widget, const QDialog& dialog) {
  for (const QWidget* at = &widget; at != &dialog; at = at->parentWidget()) {
    if (!at || at->isWindow()) return false;
    const bool tabPage = qobject_cast<const QStackedWidget*>(at->parentWidget()) != nullptr;
    if (at->isHidden() && !tabPage) return false;
  }
  return true;
}

// The controls a person works with; the line edits inside spin and combo boxes are theirs.
bool TakesInput(const QWidget& widget) {
  if (qobject_cast<const QAbstractButton*>(&widget)) {
    return widget.parentWidget() && !widget.parentWidget()->inherits("QTabBar");
  }
  if (qobject_cast<const QLineEdit*>(&widget)) {
    return !qobject_cast<const QAbstractSpinBox*>(widget.parentWidget()) &&
           !qobject_cast<const QComboBox*>(widget.parentWidget());
  }
  return qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QComboBox*>(&widget);
}

QString NameOf(const QWidget& widget) {
  if (!widget.objectName().isEmpty()) return widget.objectName();
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return Caption(button->text());
  return QString();
}

}  // namespace

std::set<std::string> FrontDialogChoices() {
  std::set<std::string> choices;
  QDialog* dialog = FrontDialog();
  if (!dialog) return choices;
  for (QWidget* widget : dialog->findChildren<QWidget*>()) {
    if (TakesInput(*widget) && widget->isEnabled() && ThereToBeSeen(*widget, *dialog)) {
      choices.insert(NameOf(*widget).toStdString());
    }
  }
  for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
    if (!ThereToBeSeen(*tabs, *dialog)) continue;
    for (int tab = 0; tab < tabs->count(); ++tab) {
      if (tabs->isTabVisible(tab) && tabs->isTabEnabled(tab)) {
        choices.insert("tab " + Caption(tabs->tabText(tab)).toStdString());
      }
    }
  }
  return choices;
}

bool PressDialogButton(const std::string& caption) {
  QDialog* dialog = FrontDialog();
  if (!dialog) return false;
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    if (Caption(button->text()).toStdString() == caption && button->isEnabled()) {
      button->click();
      return true;
    }
  }
  return false;
}

bool SetDialogControl(const std::string& name, const std::string& value) {
  QDialog* dialog = FrontDialog();
  QWidget* widget = dialog ? dialog->findChild<QWidget*>(QString::fromStdString(name)) : nullptr;
  if (!widget || !widget->isEnabled()) return false;
  const QString text = QString::fromStdString(value);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if (button->isChecked() != (value == "on")) button->click();
    return button->isChecked() == (value == "on");
  }
  if (auto* spinBox = qobject_cast<QSpinBox*>(widget)) {
    spinBox->setValue(text.toInt());
    return spinBox->value() == text.toInt();
  }
  if (auto* comboBox = qobject_cast<QComboBox*>(widget)) {
    comboBox->setCurrentText(text);
    return comboBox->currentText() == text;
  }
  if (auto* lineEdit = qobject_cast<QLineEdit*>(widget)) {
    lineEdit->setText(text);
    return true;
  }
  return false;
}

}  // namespace platform
