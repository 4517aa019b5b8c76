#include "platform/system/print_dialog_qt.h"

#include <QChildEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTabWidget>
#include <string>

#include "platform/core/file_replacement.h"
#include "platform/core/user_interaction.h"
#include "platform/printing/printer_setup.h"
#include "platform/printing/printer_setup_data_qt.h"
#include "platform/printing/printer_surface_qt.h"
#include "platform/windows/window_last_worked_in_qt.h"

namespace platform {
namespace {

void Withhold(QWidget* choice) {
  if (choice) choice->setEnabled(false);
}

// Qt's print dialog, offering only the choices that take effect. No output reverses the order of
// the pages, and a list of pages would be picked from once more by a printer, which is sent only
// the chosen pages already. A PDF file holds one copy and is no print queue's job, so copies,
// collation and job options do nothing there. The free area of a page is fixed and centred, so
// the margins are never the person's to set.
class PrintDialog : public QPrintDialog {
 public:
  PrintDialog(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent) {
    // Runs after the dialog's own handling of another printer, which offers everything again.
    if (auto* printers = findChild<QComboBox*>("printers")) {
      connect(printers, &QComboBox::currentIndexChanged, this, [this] { WithholdChoices(); });
    }
    // Qt checks the file before it accepts by opening it for writing, which waits for ever on a
    // named pipe that nothing reads. A file the job would refuse is refused first, and the dialog
    // stays open for another name.
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
      disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
      connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (RefusesFile()) return;
        if (!QMetaObject::invokeMethod(this, "_q_checkFields")) accept();
      });
    }
  }

  void setVisible(bool visible) override {
    QPrintDialog::setVisible(visible);
    if (visible) WithholdChoices();
  }

 protected:
  // The printer's properties come in a dialog of their own, made anew for each printer.
  void childEvent(QChildEvent* event) override {
    QPrintDialog::childEvent(event);
    auto* properties = qobject_cast<QDialog*>(event->child());
    if (event->type() == QEvent::ChildPolished && properties) WithholdProperties(*properties);
  }

 private:
  bool ToFile() const { return printer()->outputFormat() == QPrinter::PdfFormat; }

  bool RefusesFile() {
    auto* file = findChild<QLineEdit*>("filename");
    if (!file || !file->isEnabled()) return false;
    const std::string path = file->text().toStdString();
    const std::string refusal = FileReplacement::Refusal(path);
    if (!refusal.empty()) MsgBox(CouldNotWriteMessage(path, refusal));
    return !refusal.empty();
  }

  void WithholdChoices() {
    Withhold(findChild<QWidget*>("reverse"));
    Withhold(findChild<QWidget*>("pagesRadioButton"));
    for (const char* perCopy : {"copies", "collate"}) {
      if (auto* choice = findChild<QWidget*>(perCopy)) choice->setEnabled(!ToFile());
    }
  }

  void WithholdProperties(QDialog& properties) {
    for (const char* margin : {"topMargin", "leftMargin", "rightMargin", "bottomMargin"}) {
      Withhold(properties.findChild<QWidget*>(margin));
    }
    auto* tabs = properties.findChild<QTabWidget*>("tabs");
    QWidget* jobOptions = properties.findChild<QWidget*>("QCupsJobWidget");
    if (tabs && jobOptions && ToFile()) tabs->setTabEnabled(tabs->indexOf(jobOptions), false);
  }
};

}  // namespace

bool RunQtPrintDialog(PrinterSetup& setup) {
  PrinterSetupData& data = setup.Data();
  PrintDialog dialog(data.printer.get(), WindowLastWorkedIn());
  if (dialog.exec() != QDialog::Accepted) return false;
  const bool toFile = data.printer->outputFormat() == QPrinter::PdfFormat;
  auto* printers = dialog.findChild<QComboBox*>("printers");
  data.chosenPrinter = toFile || !printers ? QString() : printers->currentText();
  return true;
}

}  // namespace platform
