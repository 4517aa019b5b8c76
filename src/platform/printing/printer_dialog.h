#pragma once

#include <memory>

namespace platform {

class Graphics;

// The desktop's print dialog, modal over the active window, through the user-interaction
// provider. Gives the printer's drawing context with its first page ready: 72 units per inch, the
// origin at the top-left of the printable area, 540 x 720 units free on Letter and on A4. Nil when
// the user cancels, or when the job cannot be started (after a message saying so). The job goes
// to the printer, or into its file, when the context is released.
std::shared_ptr<Graphics> OpenPrinterDialog();

}  // namespace platform
