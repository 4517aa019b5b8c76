#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/core/user_interaction.h"
#include "platform/graphics/picture_export.h"
#include "platform/printing/printer_setup.h"

namespace testing_support {

// One modal box as it was asked for: its text, its buttons-and-icon code (0: OK alone) and its
// title.
struct Box {
  std::string text;
  int32_t buttons = 0;
  std::string title;
  bool operator==(const Box&) const = default;
};
using Boxes = std::vector<Box>;

inline void PrintTo(const Box& box, std::ostream* out) {
  *out << "{\"" << box.text << "\", " << box.buttons << ", \"" << box.title << "\"}";
}

// Records every box, beep and dialog, and answers from queues: questions No and print and export
// dialogs Cancel when their queue is empty. `boxes` holds every box in order, messages and
// questions alike; `messages` the texts of the messages alone.
class ScriptedUserInteraction : public platform::UserInteraction {
 public:
  void ShowMessage(const std::string& text) override {
    messages.push_back(text);
    boxes.push_back({text, 0, ""});
  }
  int32_t AskQuestion(const std::string& prompt, int32_t buttons,
                      const std::string& title) override {
    boxes.push_back({prompt, buttons, title});
    if (answers.empty()) return platform::kMsgBoxNo;
    int32_t answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Beep() override { ++beeps; }
  bool ChoosePrinter(platform::PrinterSetup& setup) override {
    ++printDialogs;
    if (printers.empty()) return false;
    std::function<void(platform::PrinterSetup&)> choose = std::move(printers.front());
    printers.pop_front();
    choose(setup);
    return true;
  }

  bool ChooseExportFile(platform::ExportChoice& choice) override {
    suggestedExportNames.push_back(choice.path);
    if (exports.empty()) return false;
    choice = exports.front();
    exports.pop_front();
    return true;
  }

  void QueueAnswer(int32_t answer) { answers.push_back(answer); }
  // The next export dialog chooses this file and format.
  void QueueExport(const std::string& path, platform::PictureFormat format) {
    exports.push_back({path, format});
  }
  // The next print dialog chooses printing into this PDF file.
  void QueuePdfPrinter(const std::string& path,
                       platform::PrinterSetup::Paper paper = platform::PrinterSetup::Paper::kLetter,
                       platform::PrinterSetup::Orientation orientation =
                           platform::PrinterSetup::Orientation::kPortrait) {
    QueuePrinter(
        [=](platform::PrinterSetup& setup) { setup.PrintToPdfFile(path, paper, orientation); });
  }
  // The next print dialog makes these choices.
  void QueuePrinter(std::function<void(platform::PrinterSetup&)> choose) {
    printers.push_back(std::move(choose));
  }

  Boxes boxes;
  std::vector<std::string> messages;
  std::deque<int32_t> answers;
  int beeps = 0;
  std::deque<std::function<void(platform::PrinterSetup&)>> printers;
  int printDialogs = 0;
  std::deque<platform::ExportChoice> exports;
  std::vector<std::string> suggestedExportNames;  // one per export dialog shown
};

// Installs a fresh scripted provider for the lifetime of the guard.
class ScriptedUserInteractionGuard {
 public:
  ScriptedUserInteractionGuard() : provider_(std::make_shared<ScriptedUserInteraction>()) {
    platform::SetUserInteraction(provider_);
  }
  ~ScriptedUserInteractionGuard() { platform::SetUserInteraction(nullptr); }
  ScriptedUserInteraction& operator*() { return *provider_; }
  ScriptedUserInteraction* operator->() { return provider_.get(); }

 private:
  std::shared_ptr<ScriptedUserInteraction> provider_;
};

}  // namespace testing_support
