#pragma once

// Inside the framework only: the provider that shows real modal boxes.
#include <memory>

#include "platform/user_interaction.h"

namespace platform {

std::shared_ptr<UserInteraction> MakeQtUserInteraction();

}  // namespace platform
