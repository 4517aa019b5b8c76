#include "shared/file_types.h"

namespace corvane::FileTypes {

std::shared_ptr<platform::FileType> pText;
std::shared_ptr<platform::FileType> pUntitledType;

namespace {
std::shared_ptr<platform::FileType> Declare(const char* name, const char* extensions,
                                            const char* macType, const char* macCreator) {
  auto type = std::make_shared<platform::FileType>();
  type->Name = name;
  type->Extensions = extensions;
  type->MacType = macType;
  type->MacCreator = macCreator;
  type->ToText();  // converting a type to text registers it; the text itself is not needed
  return type;
}
}  // namespace

void _Initialize() {
  pText = Declare("text", "", "TEXT", "R*ch");
  pUntitledType = Declare("", "", "", "");
}

void Release() {
  pText.reset();
  pUntitledType.reset();
}

}  // namespace corvane::FileTypes
