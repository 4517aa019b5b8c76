#pragma once

#include <memory>

namespace platform {

class Graphics;

// The desktop's print dialog, modal over the window last worked in, through the user-interaction
// provider. Gives the printer's drawing context with its first page ready: 72 units per inch, the
// origin at the top-left of a free area of 540 x 720 units, centred on the paper; on paper where
// it would not fit with a margin (landscape, A5) the whole area is made smaller uniformly. Nil when
// the user cancels, or when the job cannot be started (after a message saying so). Only the pages
// chosen in the dialog reach the paper, in the colours or the gray chosen there; a range that
// holds none of the job's pages prints nothing and says so. The job goes to the printer, or into
// its file, when the context is released; a file is replaced only by a whole document, and a job
// that fails says so then.
std::shared_ptr<Graphics> OpenPrinterDialog();

}  // namespace platform
