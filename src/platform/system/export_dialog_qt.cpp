#include "platform/system/export_dialog_qt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

#include "platform/graphics/picture_export.h"
#include "platform/windows/window_last_worked_in_qt.h"

namespace platform {
namespace {

QString FilterFor(const PictureFormatInfo& info) {
  QString extension = QString::fromLatin1(info.extension);
  QString patterns = "*." + extension;
  if (info.format == PictureFormat::kJpeg) patterns += " *.jpeg";
  if (info.format == PictureFormat::kTiff) patterns += " *.tiff";
  return QString::fromLatin1(info.name) + " (" + patterns + ")";
}

// The format of a list entry; the first for an entry that is not in the list.
const PictureFormatInfo& FormatOfFilter(const QStringList& filters, const QString& filter) {
  return ExportFormats()[static_cast<size_t>(std::max<qsizetype>(0, filters.indexOf(filter)))];
}

// The format an extension the user typed names, if any.
const PictureFormatInfo* FormatOfExtension(const QString& extension) {
  QString typed = extension.toLower();
  if (typed == "jpeg") typed = "jpg";
  if (typed == "tiff") typed = "tif";
  for (const PictureFormatInfo& info : ExportFormats()) {
    if (typed == QLatin1String(info.extension)) return &info;
  }
  return nullptr;
}

QString StartFolder() {
  QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return QDir(pictures).exists() ? pictures : QDir::homePath();
}

}  // namespace

bool RunQtExportDialog(ExportChoice& choice) {
  QFileDialog dialog(WindowLastWorkedIn(), "Save Picture", StartFolder());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const PictureFormatInfo& info : ExportFormats()) filters << FilterFor(info);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(FilterFor(FormatInfo(choice.format)));
  dialog.setDefaultSuffix(FormatInfo(choice.format).extension);
  dialog.selectFile(QString::fromStdString(choice.path));
  // A name typed without an extension takes the extension of the format chosen in the list.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, filters](const QString& filter) {
                     dialog.setDefaultSuffix(FormatOfFilter(filters, filter).extension);
                   });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  QString path = dialog.selectedFiles().first();
  choice.path = path.toStdString();
  // An extension the user typed names the format, whatever the list shows.
  const PictureFormatInfo* typed = FormatOfExtension(QFileInfo(path).suffix());
  choice.format =
      typed ? typed->format : FormatOfFilter(filters, dialog.selectedNameFilter()).format;
  return true;
}

}  // namespace platform
