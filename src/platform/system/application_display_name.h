#pragma once

#include <string>

namespace platform {

// The name people know the program by, as the desktop shows it: its bundle's ("Corvane" for
// Corvane/bin/corvane beside Corvane/Resources), or the program file's own name when it does not
// run from a bundle. Message boxes without a title of their own carry it.
std::string ApplicationDisplayName();

}  // namespace platform
