#include "platform/core/file_replacement.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

  const std::string folderMadeMeanwhile = folder.File("figures");
  FileReplacement replacement(folderMadeMeanwhile);
  std::filesystem::create_directories(folderMadeMeanwhile + "/figure 1");
  EXPECT_NE(replacement.Commit("a new picture"), "");
  EXPECT_TRUE(std::filesystem::is_directory(folderMadeMeanwhile + "/figure 1"));
  EXPECT_EQ(EntriesIn(folder.Path()), 3);
}

// Only a regular file is replaced: a pipe, or a device reached through a link, is refused and
// stays what it was, with nothing left beside it. The device is one of the test's own, so that a
// fault replaces nothing of the system's.
TEST(FileReplacementTest, WhatIsNotARegularFileIsRefusedAndLeftAlone) {
  ScratchFolder folder;
  const std::string pipe = folder.File("plot.png");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  const std::string device = folder.File("null");
  // Only the superuser may make a device; anyone else links to a second pipe.
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
    ASSERT_EQ(mkfifo(device.c_str(), 0644), 0);
  }
  const std::string link = folder.File("plot.pdf");
  std::filesystem::create_symlink(device, link);
  for (const std::string& path : {pipe, link}) {
    SCOPED_TRACE(path);
    FileReplacement replacement(path);
    EXPECT_EQ(replacement.Failure(), "Is not a regular file");
    EXPECT_EQ(replacement.Commit("a new picture"), "Is not a regular file");
  }
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_FALSE(std::filesystem::is_regular_file(device));
  EXPECT_EQ(EntriesIn(folder.Path()), 3);
}

// The replaced file keeps its owner and group, as well as its mode, where this user may give
// them: the superuser another user's; anyone else the group of their own file. A link leads to
// the file to replace and stays a link.
TEST(FileReplacementTest, TheFileALinkLeadsToIsReplacedAndKeepsItsOwnerGroupAndMode) {
  uid_t owner = geteuid();
  gid_t group = getegid();
  if (owner == 0) {
    owner = 65534;  // nobody
    group = 100;    // not nobody's, so that owner and group cannot change places unseen
  } else {
    std::vector<gid_t> groups(static_cast<size_t>(getgroups(0, nullptr)));
    getgroups(static_cast<int>(groups.size()), groups.data());
    auto other = std::find_if(groups.begin(), groups.end(), [](gid_t g) { return g != getegid(); });
    if (other == groups.end()) GTEST_SKIP() << "this user belongs to no second group";
    group = *other;
  }
  ScratchFolder folder;
  const std::string file = folder.File("plot.png");
  const std::string link = folder.File("latest.png");
  std::ofstream(file) << "a good earlier picture";
  std::filesystem::create_symlink("plot.png", link);
  ASSERT_EQ(chown(file.c_str(), owner, group), 0);
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  EXPECT_EQ(FileReplacement(link).Commit("a new picture"), "");
  struct stat replaced {};
  ASSERT_EQ(stat(file.c_str(), &replaced), 0);
  EXPECT_EQ(replaced.st_uid, owner);
  EXPECT_EQ(replaced.st_gid, group);
  EXPECT_EQ(replaced.st_mode & 07777, 0640u);
  EXPECT_EQ(Contents(file), "a new picture");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
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
