#include "platform/core/file_replacement.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/scratch_folder.h"

namespace {

// While set, every fsync of this program fails as a disk does that cannot write its cache back.
bool syncFails = false;

}  // namespace

// Stands in for the C library's fsync in this test program alone, which links it ahead of the
// library; it passes every call on unless a test asks for the failure.
extern "C" int fsync(int descriptor) {
  if (syncFails) {
    errno = EIO;
    return -1;
  }
  static auto* const real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
  return real(descriptor);
}

namespace {

using platform::FileReplacement;
using testing_support::ScratchFolder;

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long EntriesIn(const std::filesystem::path& folder) {
  return std::distance(std::filesystem::directory_iterator(folder), {});
}

// Contents the disk may not keep, and a folder standing where the file should go, fail the
// replacement past its last write: what stood there stays, and nothing is left beside it.
TEST(FileReplacementTest, AFailureAfterTheLastWriteKeepsWhatWasThere) {
  ScratchFolder folder;
  const std::string file = folder.File("plot.png");
  std::ofstream(file) << "a good earlier picture";
  {
    syncFails = true;
    FileReplacement replacement(file);
    std::string failure = replacement.Commit("a new picture");
    syncFails = false;
    EXPECT_EQ(failure, "Input/output error");
  }
  EXPECT_EQ(Contents(file), "a good earlier picture");
  EXPECT_EQ(EntriesIn(folder.Path()), 1);

  const std::string folderInTheWay = folder.File("plots");
  std::filesystem::create_directory(folderInTheWay);
  EXPECT_EQ(FileReplacement(folderInTheWay).Commit("a new picture"), "Is a directory");
  EXPECT_TRUE(std::filesystem::is_empty(folderInTheWay));
  EXPECT_EQ(EntriesIn(folder.Path()), 2);
}

// The temporary file's name must fit wherever the file's own does.
TEST(FileReplacementTest, TheLongestNameTheFolderTakesIsWritten) {
  ScratchFolder folder;
  long longest = pathconf(folder.Path().c_str(), _PC_NAME_MAX);
  ASSERT_GT(longest, 4);
  const std::string file = folder.File(std::string(static_cast<size_t>(longest) - 4, 'L') + ".png");
  EXPECT_EQ(FileReplacement(file).Commit("a picture"), "");
  EXPECT_EQ(Contents(file), "a picture");
  EXPECT_EQ(EntriesIn(folder.Path()), 1);
}

}  // namespace
