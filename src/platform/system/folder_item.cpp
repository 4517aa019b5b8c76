#include "platform/system/folder_item.h"

#include <QCoreApplication>
#include <filesystem>

#include "platform/core/exceptions.h"
#include "platform/graphics/picture.h"

namespace platform {
namespace {
std::string resourcesOverride;
}  // namespace

bool FolderItem::Exists() const {
  return std::filesystem::exists(path_);
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
  return std::make_shared<FolderItem>((std::filesystem::path(path_) / name).string());
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
  std::filesystem::path path(path_);
  if (!path.has_parent_path() || path.parent_path() == path) return nullptr;
  return std::make_shared<FolderItem>(path.parent_path().string());
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
  return Picture::Open(path_);
}

std::shared_ptr<FolderItem> _GetApplicationBundleResources() {
  if (!resourcesOverride.empty()) return std::make_shared<FolderItem>(resourcesOverride);
  FolderItem program(QCoreApplication::applicationFilePath().toStdString());
  auto binFolder = program.Parent();
  auto bundle = NotNil(binFolder).Parent();
  return NotNil(bundle).Child("Resources");
}

void SetApplicationBundleResourcesForTests(const std::string& path) {
  resourcesOverride = path;
}

}  // namespace platform
