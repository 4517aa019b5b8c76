#include "platform/system/file_type.h"

namespace platform {
namespace {
// This desktop has no system registry of document types; the framework keeps its own list.
std::vector<FileType>& Registry() {
  static std::vector<FileType> registry;
  return registry;
}
}  // namespace

std::string FileType::ToText() const {
  Registry().push_back(*this);
  return Name;
}

const std::vector<FileType>& RegisteredFileTypes() {
  return Registry();
}

void ClearRegisteredFileTypesForTests() {
  Registry().clear();
}

}  // namespace platform
