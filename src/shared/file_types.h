#pragma once

#include <memory>

#include "platform/system/file_type.h"

// The two document types Corvane declares at start-up. Nothing reads them afterwards.
namespace corvane::FileTypes {

extern std::shared_ptr<platform::FileType> pText;
extern std::shared_ptr<platform::FileType> pUntitledType;

// Creates and registers both types, replacing any earlier ones.
void _Initialize();
// Drops both (program end).
void Release();

}  // namespace corvane::FileTypes
