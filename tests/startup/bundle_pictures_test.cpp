#include "shared/bundle_pictures.h"

#include <gtest/gtest.h>

#include "platform/system/folder_item.h"

namespace {

// The build copies the pictures into the bundle; the badge, without an extension, is recognised by
// its content. A successful read is kept for the whole run.
TEST(BundlePicturesTest, EveryPictureIsReadFromTheBuiltBundleOnceAndKept) {
  platform::SetApplicationBundleResourcesForTests(CORVANE_BUNDLE_RESOURCES);
  for (auto accessor : {&corvane::Corvane, &corvane::ZphzSm, &corvane::Deziz68copy}) {
    auto picture = accessor();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(accessor(), picture);
  }
  EXPECT_EQ(corvane::ZphzSm()->Width(), 148);
  EXPECT_EQ(corvane::Deziz68copy()->Width(), 74);
  platform::SetApplicationBundleResourcesForTests("");
}

}  // namespace
