#include "platform/graphics/picture_export.h"

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <filesystem>

#include "platform/core/exceptions.h"
#include "platform/core/user_interaction.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/picture_data_qt.h"

namespace platform {
namespace {

// JPEG is lossy; at this quality the thin lines and small labels of a plot stay crisp.
constexpr int kJpegQuality = 95;

// The active window's title names the picture best ("Corvane Graph.png").
std::string SuggestedFileName() {
  QWidget* active = QApplication::activeWindow();
  std::string name = active ? active->windowTitle().toStdString() : std::string();
  std::replace(name.begin(), name.end(), '/', '-');
  if (name.empty()) name = "Picture";
  return name + "." + FormatInfo(PictureFormat::kPng).extension;
}

std::string WithExtension(const std::string& path, PictureFormat format) {
  if (std::filesystem::path(path).has_extension()) return path;
  return path + "." + FormatInfo(format).extension;
}

}  // namespace

const std::vector<PictureFormatInfo>& ExportFormats() {
  static const std::vector<PictureFormatInfo> formats = {
      {PictureFormat::kPng, "PNG", "png"},
      {PictureFormat::kJpeg, "JPEG", "jpg"},
      {PictureFormat::kBmp, "BMP", "bmp"},
      {PictureFormat::kTiff, "TIFF", "tif"},
  };
  return formats;
}

const PictureFormatInfo& FormatInfo(PictureFormat format) {
  const auto& formats = ExportFormats();
  return *std::find_if(formats.begin(), formats.end(),
                       [format](const PictureFormatInfo& info) { return info.format == format; });
}

std::string WritePictureFile(const Picture& picture, const std::string& path,
                             PictureFormat format) {
  if (picture.Data().image.isNull()) return "the picture is empty";
  QByteArray formatName = FormatInfo(format).extension;
  if (!QImageWriter::supportedImageFormats().contains(formatName)) {
    return std::string(FormatInfo(format).name) + " pictures cannot be written on this system";
  }
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
  QImageWriter writer(&file, formatName);
  if (format == PictureFormat::kJpeg) writer.setQuality(kJpegQuality);
  // Every format gets the same opaque pixels; only PNG and TIFF would keep an alpha channel.
  if (!writer.write(picture.Data().image.convertToFormat(QImage::Format_RGB32))) {
    file.cancelWriting();
    return writer.errorString().toStdString();
  }
  if (!file.commit()) return file.errorString().toStdString();
  return "";
}

bool ExportPicture(const std::shared_ptr<Picture>& picture) {
  const Picture& source = NotNil(picture);
  ExportChoice choice{SuggestedFileName(), PictureFormat::kPng};
  if (!CurrentUserInteraction().ChooseExportFile(choice)) return false;
  std::string path = WithExtension(choice.path, choice.format);
  std::string failure = WritePictureFile(source, path, choice.format);
  if (failure.empty()) return true;
  MsgBox("The picture could not be saved as \"" + path + "\": " + failure + ".");
  return false;
}

}  // namespace platform
