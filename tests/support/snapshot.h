#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/graphics/picture.h"
#include "platform/graphics/picture_export.h"

namespace testing_support {

inline bool UpdatingSnapshots() {
  const char* update = std::getenv("CORVANE_UPDATE_SNAPSHOTS");
  return update && *update == '1';
}

// Holds a rendering to the committed picture tests/snapshots/<name>.png, pixel for pixel. On a
// difference the rendering is written to <build>/snapshot-diffs/<name>.png for a person to look
// at; after a deliberate change, CORVANE_UPDATE_SNAPSHOTS=1 writes the committed picture instead.
inline ::testing::AssertionResult MatchesSnapshot(const std::shared_ptr<platform::Picture>& got,
                                                  const std::string& name) {
  if (!got) return ::testing::AssertionFailure() << name << ": nothing was rendered";
  const std::filesystem::path committed =
      std::filesystem::path(CORVANE_SNAPSHOTS) / (name + ".png");
  if (UpdatingSnapshots()) {
    platform::WritePictureFile(*got, committed.string(), platform::PictureFormat::kPng);
    return ::testing::AssertionSuccess();
  }
  std::string difference;
  const std::shared_ptr<platform::Picture> expected = platform::Picture::Open(committed.string());
  if (!expected) {
    difference = "there is no " + committed.string();
  } else if (expected->Width() != got->Width() || expected->Height() != got->Height()) {
    difference = "it is " + std::to_string(got->Width()) + " x " + std::to_string(got->Height()) +
                 " pixels, the snapshot " + std::to_string(expected->Width()) + " x " +
                 std::to_string(expected->Height());
  } else {
    for (int32_t y = 0; y < got->Height() && difference.empty(); ++y) {
      for (int32_t x = 0; x < got->Width(); ++x) {
        if (got->PixelColor(x, y) != expected->PixelColor(x, y)) {
          difference =
              "first different pixel at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
          break;
        }
      }
    }
  }
  if (difference.empty()) return ::testing::AssertionSuccess();
  const std::filesystem::path diffs(CORVANE_SNAPSHOT_DIFFS);
  std::filesystem::create_directories(diffs);
  platform::WritePictureFile(*got, (diffs / (name + ".png")).string(),
                             platform::PictureFormat::kPng);
  return ::testing::AssertionFailure() << name << " differs from its snapshot: " << difference
                                       << "; the rendering is in " << diffs.string();
}

// Holds a text to the committed tests/snapshots/<name>.txt, as MatchesSnapshot a picture.
inline ::testing::AssertionResult MatchesTextSnapshot(const std::string& got,
                                                      const std::string& name) {
  const std::filesystem::path committed =
      std::filesystem::path(CORVANE_SNAPSHOTS) / (name + ".txt");
  if (UpdatingSnapshots()) {
    std::ofstream(committed, std::ios::binary) << got;
    return ::testing::AssertionSuccess();
  }
  std::stringstream expected;
  expected << std::ifstream(committed, std::ios::binary).rdbuf();
  if (expected.str() == got) return ::testing::AssertionSuccess();
  const std::filesystem::path diffs(CORVANE_SNAPSHOT_DIFFS);
  std::filesystem::create_directories(diffs);
  std::ofstream(diffs / (name + ".txt"), std::ios::binary) << got;
  return ::testing::AssertionFailure()
         << name << " differs from its snapshot; the text is in " << diffs.string() << ":\n"
         << got;
}

}  // namespace testing_support
