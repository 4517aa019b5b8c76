#include "platform/testing/save_dialog_simulation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

namespace platform {
namespace {

// Qt's own dialog names its parts; a native one has none and is not driven.
struct SaveDialogParts {
  QFileDialog* dialog = nullptr;
  QLineEdit* name = nullptr;
  QComboBox* types = nullptr;
  QAbstractButton* save = nullptr;
};

std::optional<SaveDialogParts> FrontSaveDialogParts() {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  if (!dialog || dialog->acceptMode() != QFileDialog::AcceptSave) return std::nullopt;
  SaveDialogParts parts{dialog, dialog->findChild<QLineEdit*>("fileNameEdit"),
                        dialog->findChild<QComboBox*>("fileTypeCombo"), nullptr};
  if (auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox")) {
    parts.save = buttons->button(QDialogButtonBox::Save);
  }
  if (!parts.name || !parts.types || !parts.save) return std::nullopt;
  return parts;
}

}  // namespace

std::optional<SaveDialogView> FrontSaveDialog() {
  std::optional<SaveDialogParts> parts = FrontSaveDialogParts();
  if (!parts) return std::nullopt;
  SaveDialogView view{parts->dialog->windowTitle().toStdString(),
                      parts->name->text().toStdString(),
                      parts->types->currentText().toStdString(),
                      {}};
  for (int i = 0; i < parts->types->count(); ++i) {
    view.types.push_back(parts->types->itemText(i).toStdString());
  }
  return view;
}

bool FillInSaveDialog(const std::string& type, const std::string& name) {
  std::optional<SaveDialogParts> parts = FrontSaveDialogParts();
  if (!parts) return false;
  QComboBox& types = *parts->types;
  int entry = -1;
  for (int i = 0; i < types.count() && entry < 0; ++i) {
    if (types.itemText(i).startsWith(QString::fromStdString(type))) entry = i;
  }
  if (entry >= 0) {
    // What a pick from the open list does: the dialog hears of it as the person's choice.
    types.setCurrentIndex(entry);
    emit types.activated(entry);
    emit types.textActivated(types.itemText(entry));
    parts->name->setText(QString::fromStdString(name));
  }
  if (entry < 0 || !parts->save->isEnabled()) {
    parts->dialog->reject();
    return false;
  }
  parts->save->click();
  return true;
}

bool CancelSaveDialog() {
  std::optional<SaveDialogParts> parts = FrontSaveDialogParts();
  if (!parts) return false;
  parts->dialog->reject();
  return true;
}

}  // namespace platform
