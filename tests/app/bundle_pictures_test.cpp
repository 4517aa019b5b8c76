#include "app/bundle_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/folder_item.h"

namespace {

namespace fs = std::filesystem;

class BundlePicturesTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::SetApplicationBundleResourcesForTests(""); }
};

// The accessors cache for the whole run, so one test walks the whole life of a picture.
TEST_F(BundlePicturesTest, MissingFileIsRetriedUntilReadThenCached) {
  fs::path folder = fs::temp_directory_path() / "corvane-bundle-test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  platform::SetApplicationBundleResourcesForTests(folder.string());

  EXPECT_EQ(corvane::Corvane(), nullptr);
  EXPECT_EQ(corvane::Corvane(), nullptr);

  fs::copy_file(fs::path(CORVANE_BUNDLE_RESOURCES) / "Corvane.tiff", folder / "Corvane.tiff");
  auto first = corvane::Corvane();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Width(), 78);
  EXPECT_EQ(first->Height(), 78);

  fs::remove(folder / "Corvane.tiff");
  EXPECT_EQ(corvane::Corvane(), first) << "a successful read is kept, not read again";
  fs::remove_all(folder);
}

TEST_F(BundlePicturesTest, BuildCopiesThePicturesIntoTheBundleAndTheyReadByContent) {
  platform::SetApplicationBundleResourcesForTests(CORVANE_BUNDLE_RESOURCES);
  auto badge = corvane::ZphzSm();  // no extension: recognised by its content
  ASSERT_NE(badge, nullptr);
  EXPECT_EQ(badge->Width(), 148);
  EXPECT_EQ(badge->Height(), 22);
  auto questionMark = corvane::Deziz68copy();
  ASSERT_NE(questionMark, nullptr);
  EXPECT_EQ(questionMark->Width(), 74);
  EXPECT_EQ(questionMark->Height(), 45);
  EXPECT_EQ(corvane::Deziz68copy(), questionMark);
}

}  // namespace
