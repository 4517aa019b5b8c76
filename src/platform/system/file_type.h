#pragma once

#include <string>
#include <vector>

namespace platform {

// A document type the program declares. Converting it to text registers it and yields its Name.
class FileType {
 public:
  std::string Name;
  std::string Extensions;
  std::string MacType;     // four characters, or empty
  std::string MacCreator;  // four characters, or empty

  std::string ToText() const;
};

// The document types registered so far, in registration order.
const std::vector<FileType>& RegisteredFileTypes();
void ClearRegisteredFileTypesForTests();

}  // namespace platform
