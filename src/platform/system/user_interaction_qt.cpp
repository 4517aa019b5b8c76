#include "platform/core/user_interaction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QSpacerItem>
#include <QString>

#include "platform/system/application_display_name.h"
#include "platform/system/export_dialog_qt.h"
#include "platform/system/print_dialog_qt.h"

namespace platform {
namespace {

// Room the window manager's title bar takes besides the title: its buttons and margins.
constexpr int kTitleBarButtonsRoom = 120;

// Run through exec() by the caller. A box without a title of its own is titled with the program's
// name; it is wide enough to show its whole title, and its buttons show their captions alone (some
// desktop themes squeeze an icon beside them).
void DressMessageBox(QMessageBox& box, const std::string& title) {
  box.setWindowTitle(QString::fromStdString(title.empty() ? ApplicationDisplayName() : title));
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
  int needed = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarButtonsRoom;
  // The box sizes itself to its layout when shown, so the room goes into the layout.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  } else {
    box.setMinimumWidth(needed);
  }
}

class QtUserInteraction : public UserInteraction {
 public:
  void ShowMessage(const std::string& text) override {
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    DressMessageBox(box, "");
    box.exec();
  }

  int32_t AskQuestion(const std::string& prompt, int32_t buttons,
                      const std::string& title) override {
    if (buttons != kMsgBoxYesNoQuestion) {
      ShowMessage(prompt);
      return 1;  // OK
    }
    QMessageBox box(QMessageBox::Question, QString(), QString::fromStdString(prompt),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    DressMessageBox(box, title);
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
