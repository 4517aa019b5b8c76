#include "platform/core/user_interaction.h"

#include <QApplication>

#include "platform/system/export_dialog_qt.h"
#include "platform/system/message_box_qt.h"
#include "platform/system/print_dialog_qt.h"

namespace platform {
namespace {

class QtUserInteraction : public UserInteraction {
 public:
  void ShowMessage(const std::string& text) override {
    ProgramMessageBox box(QMessageBox::NoIcon, text, QMessageBox::Ok, "");
    box.exec();
  }

  int32_t AskQuestion(const std::string& prompt, int32_t buttons,
                      const std::string& title) override {
    if (buttons != kMsgBoxYesNoQuestion) {
      ShowMessage(prompt);
      return 1;  // OK
    }
    ProgramMessageBox box(QMessageBox::Question, prompt, QMessageBox::Yes | QMessageBox::No, title);
    return box.exec() == QMessageBox::Yes ? kMsgBoxYes : kMsgBoxNo;
  }

  void Beep() override { QApplication::beep(); }

  bool ChoosePrinter(PrinterSetup& setup) override { return RunQtPrintDialog(setup); }

  bool ChooseExportFile(ExportChoice& choice) override { return RunQtExportDialog(choice); }
};

}  // namespace

std::shared_ptr<UserInteraction> MakeQtUserInteraction() {
  return std::make_shared<QtUserInteraction>();
}

}  // namespace platform
