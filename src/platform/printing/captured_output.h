#pragma once

#include <string>
#include <thread>

namespace platform {

// A path that a writer which takes only a file name can open and write, whose bytes are gathered
// in memory instead of on a disk: nothing is stored on the way, so nothing can be lost on the way
// either. The path holds only while the object lives and names nothing to anyone else.
class CapturedOutput {
 public:
  // Failure() says why when the path could not be made.
  CapturedOutput();
  // Whatever opened the path must have closed it by now.
  ~CapturedOutput();
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;

  const std::string& Failure() const { return failure_; }
  const std::string& Path() const { return path_; }

  // Waits until the writer has closed the path and hands over every byte it wrote. "" when all of
  // them were kept, else the reason, as the system words it.
  std::string Collect(std::string& contents);

 private:
  void Gather();
  void Finish();

  int readEnd_ = -1;
  int writeEnd_ = -1;
  std::string path_;
  std::thread reader_;
  std::string gathered_;
  std::string failure_;
  std::string lost_;  // why bytes were lost while gathering; the reader thread's alone until joined
};

}  // namespace platform
