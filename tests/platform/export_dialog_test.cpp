#include "platform/system/export_dialog_qt.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/event_loop.h"
#include "platform/graphics/picture_export.h"
#include "platform/testing/modal_box_simulation.h"
#include "platform/testing/save_dialog_simulation.h"
#include "platform/testing/user_simulation.h"
#include "support/scratch_folder.h"
#include "support/scripted_user_interaction.h"

namespace {

using platform::ExportChoice;
using platform::PictureFormat;
using testing_support::Box;
using testing_support::ScratchFolder;

// What a person does in one showing of the dialog: picks the list entry that begins with `type`
// and types `name`, or cancels when `type` is empty.
struct Fill {
  std::string type;
  std::string name;
};

// The desktop's own save dialog, filled in from the event loop as a person would; the replace
// question goes through the scripted provider, which records it.
class ExportDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::ResetQuitForTests(); }

  // Runs the dialog from the graph window's suggestion; one fill for each time it is shown.
  bool Run(std::deque<Fill> fills, ExportChoice& choice) {
    std::shared_ptr<void> pending;
    std::function<void()> answer = [&] {
      pending = platform::RunFromEventLoop(answer);  // should the dialog come back
      std::optional<platform::SaveDialogView> view = platform::FrontSaveDialog();
      if (!view) {
        ADD_FAILURE() << "a box stands in front of the save dialog";
        platform::PressModalBoxButton("No");
        return;
      }
      shown_.push_back(*view);
      Fill fill = fills.empty() ? Fill{} : fills.front();
      if (!fills.empty()) fills.pop_front();
      if (fill.type.empty()) {
        platform::CancelSaveDialog();
      } else {
        EXPECT_TRUE(platform::FillInSaveDialog(fill.type, folder_.File(fill.name))) << fill.name;
      }
    };
    pending = platform::RunFromEventLoop(answer);
    bool chosen = platform::RunQtExportDialog(choice);
    pending.reset();
    EXPECT_TRUE(fills.empty()) << "the dialog was shown fewer times than filled in";
    return chosen;
  }

  testing_support::ScriptedUserInteractionGuard ui_;
  ScratchFolder folder_;
  std::vector<platform::SaveDialogView> shown_;
};

ExportChoice Suggestion() {
  return {"Corvane Graph.png", PictureFormat::kPng};
}

TEST_F(ExportDialogTest, TheTypedExtensionNamesTheFormatElseTheListsEntryAddsItsOwn) {
  const struct {
    Fill fill;
    const char* written;
    PictureFormat format;
  } cases[] = {
      {{"PNG", "Fig. 3"}, "Fig. 3.png", PictureFormat::kPng},
      {{"JPEG", "plot"}, "plot.jpg", PictureFormat::kJpeg},
      {{"TIFF", "t3.gif"}, "t3.gif.tif", PictureFormat::kTiff},
      {{"PNG", "plot.JPEG"}, "plot.JPEG", PictureFormat::kJpeg},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fill.name);
    ExportChoice choice = Suggestion();
    ASSERT_TRUE(Run({c.fill}, choice));
    EXPECT_EQ(choice.path, folder_.File(c.written));
    EXPECT_EQ(choice.format, c.format);
  }
  ASSERT_FALSE(shown_.empty());
  EXPECT_EQ(shown_[0].title, "Save Picture");
  EXPECT_EQ(shown_[0].name, "Corvane Graph.png");
  EXPECT_EQ(shown_[0].type, "PNG (*.png)");
  EXPECT_EQ(shown_[0].types, (std::vector<std::string>{"PNG (*.png)", "JPEG (*.jpg *.jpeg)",
                                                       "BMP (*.bmp)", "TIFF (*.tif *.tiff)"}));
  EXPECT_TRUE(ui_->boxes.empty());
}

// The question names the file that will be written: none for a typed name that exists when the
// written one does not; No brings the dialog back, where Cancel still cancels.
TEST_F(ExportDialogTest, TheReplaceQuestionIsAskedForTheFileThatWillBeWritten) {
  std::ofstream(folder_.File("Fig. 3")) << "notes";
  std::ofstream(folder_.File("old.png")) << "an earlier picture";
  ExportChoice choice = Suggestion();
  EXPECT_TRUE(Run({{"PNG", "Fig. 3"}}, choice));
  EXPECT_EQ(choice.path, folder_.File("Fig. 3.png"));
  EXPECT_TRUE(ui_->boxes.empty());

  const Box question{"\"old.png\" already exists. Do you want to replace it?", 36, "Save Picture"};
  choice = Suggestion();
  EXPECT_FALSE(Run({{"PNG", "old"}, {}}, choice));
  EXPECT_EQ(ui_->boxes, (testing_support::Boxes{question}));
  EXPECT_EQ(shown_.back().name, "old") << "the dialog comes back as it was left";

  ui_->boxes.clear();
  ui_->QueueAnswer(platform::kMsgBoxYes);
  EXPECT_TRUE(Run({{"PNG", "old"}}, choice));
  EXPECT_EQ(choice.path, folder_.File("old.png"));
  EXPECT_EQ(ui_->boxes, (testing_support::Boxes{question}));
}

}  // namespace
