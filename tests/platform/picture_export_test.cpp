#include "platform/graphics/picture_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/core/exceptions.h"
#include "platform/graphics/graphics.h"
#include "support/file_size_limit.h"
#include "support/scratch_folder.h"
#include "support/scripted_user_interaction.h"
#include "support/snapshot.h"

namespace {

using platform::PictureFormat;
using testing_support::ScratchFolder;

std::shared_ptr<platform::Picture> Sample() {
  auto picture = platform::NewPicture(64, 48, 32);
  platform::Graphics& g = picture->Graphics();
  g.SetForeColor(platform::RGB(0, 0, 255));
  g.FillRect(8, 8, 20, 30);
  g.SetForeColor(platform::RGB(0, 0, 0));
  g.DrawLine(0, 47, 63, 0);
  return picture;
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PictureExportTest : public ::testing::Test {
 protected:
  testing_support::ScriptedUserInteractionGuard ui_;
  ScratchFolder folder_;
};

struct FormatCase {
  PictureFormat format;
  const char* typedName;  // as the user typed it
  const char* writtenName;
  const char* snapshot;  // JPEG blurs thin lines a little
};

const FormatCase kFormats[] = {
    {PictureFormat::kPng, "plot.png", "plot.png", "export-sample"},
    {PictureFormat::kJpeg, "plot", "plot.jpg", "export-sample-jpeg"},
    {PictureFormat::kBmp, "plot.bmp", "plot.bmp", "export-sample"},
    {PictureFormat::kTiff, "plot", "plot.tif", "export-sample"},
    // Another format's extension is only part of the name.
    {PictureFormat::kTiff, "plot.jpg", "plot.jpg.tif", "export-sample"},
};

TEST_F(PictureExportTest, EachFormatReadsBackAsThePicture) {
  auto picture = Sample();
  for (const FormatCase& c : kFormats) {
    SCOPED_TRACE(c.writtenName);
    ui_->QueueExport(folder_.File(c.typedName), c.format);
    EXPECT_TRUE(platform::ExportPicture(picture));
    EXPECT_TRUE(testing_support::MatchesSnapshot(
        platform::Picture::Open(folder_.File(c.writtenName)), c.snapshot));
  }
  EXPECT_TRUE(ui_->messages.empty());
  ASSERT_EQ(ui_->suggestedExportNames.size(), std::size(kFormats));
  EXPECT_EQ(ui_->suggestedExportNames[0], "Picture.png") << "no window is in front";
}

// A cancelled dialog is no save: nothing is written and nothing said. A nil picture is refused
// before any dialog.
TEST_F(PictureExportTest, CancellingOrANilPictureWritesNothingAndSaysNothing) {
  EXPECT_THROW(platform::ExportPicture(nullptr), platform::NilObjectException);
  EXPECT_TRUE(ui_->suggestedExportNames.empty()) << "no dialog for a nil picture";
  EXPECT_FALSE(platform::ExportPicture(Sample()));
  EXPECT_EQ(ui_->suggestedExportNames.size(), 1u);
  EXPECT_TRUE(ui_->messages.empty());
}

// A file that nobody may write is refused, even to the superuser, whom the system would let
// replace it: the message names it, and it stays as it was, permissions and all.
TEST_F(PictureExportTest, AReadOnlyFileIsRefusedAndLeftAlone) {
  const std::string target = folder_.File("plot.png");
  std::ofstream(target) << "a good earlier picture";
  chmod(target.c_str(), 0444);
  struct stat before {};
  stat(target.c_str(), &before);
  ui_->QueueExport(target, PictureFormat::kPng);
  EXPECT_FALSE(platform::ExportPicture(Sample()));
  EXPECT_EQ(
      ui_->boxes,
      (testing_support::Boxes{
          {"The picture could not be saved as \"" + target + "\": Permission denied.", 0, ""}}));
  struct stat after {};
  stat(target.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mode & 07777, 0444u);
  EXPECT_EQ(Contents(target), "a good earlier picture");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

// The message names the file and the reason; whatever stood there stays as it was, and no
// temporary file is left behind. Permissions do not hold back the superuser, so the test saves as
// an ordinary user then.
TEST_F(PictureExportTest, AFailedWriteSaysWhyAndKeepsTheFileThatWasThere) {
  std::string existing = folder_.File("plot.png");
  std::ofstream(existing) << "a good earlier picture";
  std::filesystem::permissions(
      folder_.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  ui_->QueueExport(existing, PictureFormat::kPng);
  const bool superuser = geteuid() == 0;
  ASSERT_TRUE(!superuser || seteuid(65534) == 0);  // nobody
  const bool saved = platform::ExportPicture(Sample());
  ASSERT_TRUE(!superuser || seteuid(0) == 0);
  EXPECT_FALSE(saved);
  EXPECT_EQ(
      ui_->boxes,
      (testing_support::Boxes{
          {"The picture could not be saved as \"" + existing + "\": Permission denied.", 0, ""}}));
  EXPECT_EQ(Contents(existing), "a good earlier picture");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

// A disk that fills part way through the file, or before its first byte, is a failed save like
// any other: the earlier file stays byte for byte, and the reason is the file's, whatever the
// format's writer thought of it.
TEST_F(PictureExportTest, AFullDiskKeepsTheEarlierFileAndSaysWhy) {
  for (rlim_t room : {rlim_t{0}, rlim_t{100}}) {
    for (PictureFormat format : {PictureFormat::kPng, PictureFormat::kBmp}) {
      ScratchFolder folder;
      const std::string target =
          folder.File(std::string("plot.") + platform::FormatInfo(format).extension);
      std::ofstream(target) << "a good earlier picture";
      ui_->boxes.clear();
      ui_->QueueExport(target, format);
      bool saved;
      {
        testing_support::FileSizeLimit disk(room);
        saved = platform::ExportPicture(Sample());
      }
      EXPECT_FALSE(saved);
      EXPECT_EQ(
          ui_->boxes,
          (testing_support::Boxes{
              {"The picture could not be saved as \"" + target + "\": File too large.", 0, ""}}));
      EXPECT_EQ(Contents(target), "a good earlier picture");
      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    }
  }
}

}  // namespace
