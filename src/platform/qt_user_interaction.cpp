#include "platform/qt_user_interaction.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "platform/qt_export_dialog.h"
#include "platform/qt_print_dialog.h"

namespace platform {
namespace {

class QtUserInteraction : public UserInteraction {
 public:
  void ShowMessage(const std::string& text) override {
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
  }

  int32_t AskQuestion(const std::string& prompt, int32_t buttons,
                      const std::string& title) override {
    if (buttons != kMsgBoxYesNoQuestion) {
      ShowMessage(prompt);
      return 1;  // OK
    }
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                    QString::fromStdString(prompt), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
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
