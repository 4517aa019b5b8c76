#include "platform/system/export_dialog_qt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <string>

#include "platform/core/user_interaction.h"
#include "platform/graphics/picture_export.h"
#include "platform/windows/window_last_worked_in_qt.h"

namespace platform {
namespace {

QString FilterFor(const PictureFormatInfo& info) {
  QString patterns = "*." + QString::fromLatin1(info.extension);
  if (*info.otherExtension) patterns += " *." + QString::fromLatin1(info.otherExtension);
  return QString::fromLatin1(info.name) + " (" + patterns + ")";
}

// The format of a list entry; the first for an entry that is not in the list.
const PictureFormatInfo& FormatOfFilter(const QStringList& filters, const QString& filter) {
  return ExportFormats()[static_cast<size_t>(std::max<qsizetype>(0, filters.indexOf(filter)))];
}

QString StartFolder() {
  QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return QDir(pictures).exists() ? pictures : QDir::homePath();
}

// Asked here rather than by the dialog, which knows only the name typed, not the one written.
bool MayReplace(const std::string& path) {
  if (!QFileInfo::exists(QString::fromStdString(path))) return true;
  std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
  return MsgBox("\"" + name + "\" already exists. Do you want to replace it?", kMsgBoxYesNoQuestion,
                "Save Picture") == kMsgBoxYes;
}

}  // namespace

bool RunQtExportDialog(ExportChoice& choice) {
  QFileDialog dialog(WindowLastWorkedIn(), "Save Picture", StartFolder());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QStringList filters;
  for (const PictureFormatInfo& info : ExportFormats()) filters << FilterFor(info);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(FilterFor(FormatInfo(choice.format)));
  dialog.selectFile(QString::fromStdString(choice.path));
  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    QString typed = dialog.selectedFiles().first();
    // An extension the user typed names the format, whatever the list shows.
    const PictureFormatInfo* named = FormatNamedBy(typed.toStdString());
    PictureFormat format =
        named ? named->format : FormatOfFilter(filters, dialog.selectedNameFilter()).format;
    std::string path = PathWithFormatExtension(typed.toStdString(), format);
    if (MayReplace(path)) {
      choice = {path, format};
      return true;
    }
    // Back to the dialog, in the folder and with the name as the user left them.
    dialog.selectFile(typed);
  }
}

}  // namespace platform
