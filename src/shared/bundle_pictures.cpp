#include "shared/bundle_pictures.h"

#include <string>

#include "platform/core/exceptions.h"
#include "platform/system/folder_item.h"

namespace corvane {
namespace {

// The accessors share this routine; each keeps its own cached picture.
std::shared_ptr<platform::Picture> CachedBundlePicture(std::shared_ptr<platform::Picture>& pic,
                                                       const std::string& fileName) {
  if (pic) return pic;
  auto resources = platform::_GetApplicationBundleResources();
  if (!resources) return nullptr;
  auto file = resources->Child(fileName);
  pic = platform::NotNil(file).OpenAsPicture();
  return pic;
}

}  // namespace

std::shared_ptr<platform::Picture> ZphzSm() {
  static std::shared_ptr<platform::Picture> pic;
  return CachedBundlePicture(pic, "ZphzSm");
}

std::shared_ptr<platform::Picture> Corvane() {
  static std::shared_ptr<platform::Picture> pic;
  return CachedBundlePicture(pic, "Corvane.tiff");
}

std::shared_ptr<platform::Picture> Deziz68copy() {
  static std::shared_ptr<platform::Picture> pic;
  return CachedBundlePicture(pic, "Deziz68 copy.png");
}

}  // namespace corvane
