#pragma once

#include <memory>
#include <string>

namespace platform {

class Picture;

// A file or folder on disk, by path; it need not exist.
class FolderItem {
 public:
  explicit FolderItem(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  bool Exists() const;
  // The item of that name inside this folder.
  std::shared_ptr<FolderItem> Child(const std::string& name) const;
  // The folder holding this item; nil at the root.
  std::shared_ptr<FolderItem> Parent() const;
  // Reads the file as a picture by its content; nil when it cannot be read.
  std::shared_ptr<Picture> OpenAsPicture() const;

 private:
  std::string path_;
};

// The application bundle's Resources folder: two folders up from the program's file, child
// "Resources". Raises the nil-object exception when a step up does not exist.
std::shared_ptr<FolderItem> _GetApplicationBundleResources();

// Tests point the bundle's Resources folder elsewhere; "" restores the real one.
void SetApplicationBundleResourcesForTests(const std::string& path);

}  // namespace platform
