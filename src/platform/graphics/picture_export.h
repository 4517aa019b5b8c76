#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

class Picture;

enum class PictureFormat { kPng, kJpeg, kBmp, kTiff };

struct PictureFormatInfo {
  PictureFormat format;
  const char* name;            // as the export dialog lists it
  const char* extension;       // without the point
  const char* otherExtension;  // another spelling of it the format is known by, or ""
};

// The formats the export dialog offers, PNG first.
const std::vector<PictureFormatInfo>& ExportFormats();
const PictureFormatInfo& FormatInfo(PictureFormat format);
// The format whose extension, in any case and either spelling, ends the file name; nullptr when
// no format's does.
const PictureFormatInfo* FormatNamedBy(const std::string& path);
// The file a picture in the format is written to: the path itself when it ends in the format's
// extension, else the path with that extension added ("Fig. 3.png", "t3.gif.png").
std::string PathWithFormatExtension(const std::string& path, PictureFormat format);

// The export dialog's answer: the file and the format to write it in. The dialog starts from the
// suggested file name in `path` and PNG.
struct ExportChoice {
  std::string path;
  PictureFormat format = PictureFormat::kPng;
};

// The desktop's save dialog, through the user-interaction provider, then the picture written in
// the chosen format, under PathWithFormatExtension of the chosen name. The file is written
// beside its place and renamed into it, so a failed write leaves whatever stood there before.
// True when the file was written. Cancelling shows nothing and gives false; a failed write shows a
// message naming the file and the reason, and gives false. A nil picture raises the nil-object
// exception.
bool ExportPicture(const std::shared_ptr<Picture>& picture);

// Writes the picture into the file as ExportPicture does; "" when written, else the reason.
std::string WritePictureFile(const Picture& picture, const std::string& path, PictureFormat format);

}  // namespace platform
