#pragma once

// Inside the framework only: the modal boxes of the Qt provider.
#include <QMessageBox>
#include <string>

namespace platform {

// A message box or question as the program shows it: over the window the person last worked in,
// titled with the program's name when it has no title of its own, wide enough for its whole title,
// buttons with their captions alone (some desktop themes squeeze an icon beside them), and every
// character of its text within the box, a word too long for a line (a path) broken where it must.
class ProgramMessageBox : public QMessageBox {
 public:
  ProgramMessageBox(Icon icon, const std::string& text, StandardButtons buttons,
                    const std::string& title);
};

}  // namespace platform
