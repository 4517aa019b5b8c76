#include "platform/core/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

// The file a link names is the one to replace, not the link.
std::string ResolvedTarget(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved.string();
}

// Only a regular file is replaced: a pipe, a device or a folder would be put aside for a file. A
// file that nobody may write stays, even where the superuser could replace it, as does one this
// user may not write. "" when the file may be replaced, else why not.
std::string WhyNotReplaced(const std::string& target, const struct stat& existing) {
  if (S_ISDIR(existing.st_mode)) return std::strerror(EISDIR);
  if (!S_ISREG(existing.st_mode)) return "Is not a regular file";
  if ((existing.st_mode & 0222) == 0) return std::strerror(EACCES);
  if (access(target.c_str(), W_OK) != 0) return std::strerror(errno);
  return "";
}

// A new file gets the usual permissions.
mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string FileReplacement::Refusal(const std::string& path) {
  const std::string target = ResolvedTarget(path);
  struct stat existing {};
  return stat(target.c_str(), &existing) == 0 ? WhyNotReplaced(target, existing) : "";
}

FileReplacement::FileReplacement(const std::string& path) : target_(ResolvedTarget(path)) {
  struct stat existing {};
  replacesAFile_ = stat(target_.c_str(), &existing) == 0;
  if (replacesAFile_) failure_ = WhyNotReplaced(target_, existing);
  if (!failure_.empty()) return;
  owner_ = existing.st_uid;
  group_ = existing.st_gid;
  mode_ = replacesAFile_ ? existing.st_mode & 07777 : NewFileMode();
  // Named apart from the target, so that a name as long as the folder takes still leaves room.
  temporary_ = (std::filesystem::path(target_).parent_path() / ".corvane-XXXXXX").string();
  descriptor_ = mkstemp(temporary_.data());
  if (descriptor_ < 0) {
    temporary_.clear();
    Fail();
  }
}

FileReplacement::~FileReplacement() {
  Discard();
}

std::string FileReplacement::DescriptorPath() const {
  return descriptor_ < 0 ? "" : "/proc/self/fd/" + std::to_string(descriptor_);
}

bool FileReplacement::EndsWith(std::string_view end) const {
  struct stat written {};
  const auto length = static_cast<off_t>(end.size());
  if (descriptor_ < 0 || fstat(descriptor_, &written) != 0) return false;
  if (written.st_size < length) return false;
  std::string tail(end.size(), '\0');
  return pread(descriptor_, tail.data(), tail.size(), written.st_size - length) == length &&
         tail == end;
}

std::string FileReplacement::Commit(std::string_view contents) {
  while (failure_.empty() && !contents.empty()) {
    ssize_t written = write(descriptor_, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      Fail();
    } else {
      contents.remove_prefix(static_cast<size_t>(written));
    }
  }
  if (failure_.empty()) GiveOwnerGroupAndMode();
  // A disk that fills while the system writes its cache back reports it only here.
  if (failure_.empty() && fsync(descriptor_) != 0) Fail();
  if (failure_.empty()) {
    int descriptor = descriptor_;
    descriptor_ = -1;
    if (close(descriptor) != 0) Fail();
  }
  if (failure_.empty() && rename(temporary_.c_str(), target_.c_str()) != 0) Fail();
  if (failure_.empty()) temporary_.clear();
  Discard();
  return failure_;
}

std::string FileReplacement::GiveUpShortFile() {
  static const char kMoreRoom[65536] = {};
  if (failure_.empty() && lseek(descriptor_, 0, SEEK_END) < 0) Fail();
  for (int block = 0; block < 16 && failure_.empty(); ++block) {
    if (write(descriptor_, kMoreRoom, sizeof kMoreRoom) < 0 && errno != EINTR) Fail();
  }
  // The disk has room again: why the writer stopped cannot be told any more.
  if (failure_.empty()) failure_ = std::strerror(EIO);
  Discard();
  return failure_;
}

void FileReplacement::GiveOwnerGroupAndMode() {
  // The owner and group of the file it replaces where this user may give them: the superuser
  // any, another user at least a group they belong to. Where neither can be kept, the file is
  // still written, as a new file would be.
  if (replacesAFile_ && fchown(descriptor_, owner_, group_) != 0 &&
      fchown(descriptor_, static_cast<uid_t>(-1), group_) != 0) {
    // Neither: the file stays this user's, in their group.
  }
  if (fchmod(descriptor_, mode_) != 0) Fail();
}

void FileReplacement::Fail() {
  if (failure_.empty()) failure_ = std::strerror(errno);
}

void FileReplacement::Discard() {
  if (descriptor_ >= 0) close(descriptor_);
  descriptor_ = -1;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace platform
