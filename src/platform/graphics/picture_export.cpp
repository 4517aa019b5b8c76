#include "platform/graphics/picture_export.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

#include "platform/core/exceptions.h"
#include "platform/core/file_replacement.h"
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

}  // namespace

const std::vector<PictureFormatInfo>& ExportFormats() {
  static const std::vector<PictureFormatInfo> formats = {
      {PictureFormat::kPng, "PNG", "png", ""},
      {PictureFormat::kJpeg, "JPEG", "jpg", "jpeg"},
      {PictureFormat::kBmp, "BMP", "bmp", ""},
      {PictureFormat::kTiff, "TIFF", "tif", "tiff"},
  };
  return formats;
}

const PictureFormatInfo& FormatInfo(PictureFormat format) {
  const auto& formats = ExportFormats();
  return *std::find_if(formats.begin(), formats.end(),
                       [format](const PictureFormatInfo& info) { return info.format == format; });
}

const PictureFormatInfo* FormatNamedBy(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  if (extension.empty()) return nullptr;
  extension.erase(0, 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const PictureFormatInfo& info : ExportFormats()) {
    if (extension == info.extension || extension == info.otherExtension) return &info;
  }
  return nullptr;
}

std::string PathWithFormatExtension(const std::string& path, PictureFormat format) {
  const PictureFormatInfo* named = FormatNamedBy(path);
  if (named && named->format == format) return path;
  return path + "." + FormatInfo(format).extension;
}

std::string WritePictureFile(const Picture& picture, const std::string& path,
                             PictureFormat format) {
  if (picture.Data().image.isNull()) return "the picture is empty";
  QByteArray formatName = FormatInfo(format).extension;
  if (!QImageWriter::supportedImageFormats().contains(formatName)) {
    return std::string(FormatInfo(format).name) + " pictures cannot be written on this system";
  }
  FileReplacement file(path);
  if (!file.Failure().empty()) return file.Failure();
  // Encoded in memory first, so that a write that fails is the file's failure and says why, never
  // the encoder's guess.
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, formatName);
  if (format == PictureFormat::kJpeg) writer.setQuality(kJpegQuality);
  // Every format gets the same opaque pixels; only PNG and TIFF would keep an alpha channel.
  if (!writer.write(picture.Data().image.convertToFormat(QImage::Format_RGB32))) {
    return writer.errorString().toStdString();
  }
  return file.Commit(std::string_view(encoded.constData(), static_cast<size_t>(encoded.size())));
}

bool ExportPicture(const std::shared_ptr<Picture>& picture) {
  const Picture& source = NotNil(picture);
  ExportChoice choice{SuggestedFileName(), PictureFormat::kPng};
  if (!CurrentUserInteraction().ChooseExportFile(choice)) return false;
  std::string path = PathWithFormatExtension(choice.path, choice.format);
  std::string failure = WritePictureFile(source, path, choice.format);
  if (failure.empty()) return true;
  MsgBox("The picture could not be saved as \"" + path + "\": " + failure + ".");
  return false;
}

}  // namespace platform
