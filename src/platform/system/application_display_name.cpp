#include "platform/system/application_display_name.h"

#include <QCoreApplication>
#include <filesystem>

#include "platform/core/exceptions.h"
#include "platform/system/folder_item.h"

namespace platform {

std::string ApplicationDisplayName() {
  try {
    std::shared_ptr<FolderItem> resources = _GetApplicationBundleResources();
    std::shared_ptr<FolderItem> bundle = resources->Parent();
    if (resources->Exists() && bundle) {
      std::string name = std::filesystem::path(bundle->Path()).filename().string();
      if (!name.empty()) return name;
    }
  } catch (const NilObjectException&) {
    // A program at the root of the file system has no bundle around it.
  }
  return QCoreApplication::applicationName().toStdString();
}

}  // namespace platform
