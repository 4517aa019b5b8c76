#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace platform {

// A file written beside the one it replaces and moved into its place only once every byte of it
// is on the disk, so that a full disk or any other failed write leaves whatever stood at the path
// before, byte for byte, and nothing beside it.
class FileReplacement {
 public:
  // Makes the temporary file in the target's folder; Failure() says why when it could not, or
  // when the target may not be written: nobody may, or this user may not.
  explicit FileReplacement(const std::string& path);
  // Removes the temporary file unless it was moved into place.
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // "" while the replacement can go on, else the reason, as the system words it.
  const std::string& Failure() const { return failure_; }

  // Why the file at the path may not be replaced, as Failure() would say it; "" when it may, or
  // when there is none. Nothing is made, opened or changed.
  static std::string Refusal(const std::string& path);

  // A name for the temporary file, for a writer that takes only a name: it leads to the file this
  // replacement made, through its descriptor, whatever has since become of the file's name in the
  // folder. The writer writes the contents there, from the start, and Commit("") then moves them
  // into place. "" once the replacement failed.
  std::string DescriptorPath() const;

  // Whether what was written so far ends in `end`, read from the file this replacement made.
  bool EndsWith(std::string_view end) const;

  // Writes the contents, makes sure they reached the disk and moves the file into place. "" when
  // done, else the reason; once it failed, the target is as it was and the temporary file gone.
  std::string Commit(std::string_view contents);

  // Gives up the replacement after a writer left the temporary file short without saying why, and
  // returns the reason: the disk is asked for more room where the writer stopped, and a full disk
  // or a file size limit refuses again.
  std::string GiveUpShortFile();

 private:
  void Fail();
  void Discard();
  // Gives the file the owner, group and mode it is to keep; owner first, as a change of owner
  // clears the set-user and set-group bits of the mode.
  void GiveOwnerGroupAndMode();

  std::string target_;
  std::string temporary_;
  int descriptor_ = -1;
  std::string failure_;
  // Given only as the file is moved into place, so that until then the writer may open it for
  // writing and its end be read back, whatever the mode it is to keep.
  bool replacesAFile_ = false;
  uid_t owner_ = 0;
  gid_t group_ = 0;
  mode_t mode_ = 0;
};

}  // namespace platform
