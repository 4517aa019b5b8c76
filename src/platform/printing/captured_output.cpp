#include "platform/printing/captured_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <system_error>

namespace platform {

CapturedOutput::CapturedOutput() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    failure_ = std::strerror(errno);
    return;
  }
  readEnd_ = ends[0];
  writeEnd_ = ends[1];
  // A pipe is read as it fills, so the writer is never held up for long and no write can fail
  // for want of room: the bytes are read on a thread of their own while the writer goes on.
  try {
    reader_ = std::thread(&CapturedOutput::Gather, this);
  } catch (const std::system_error& error) {
    failure_ = std::strerror(error.code().value());
    Finish();
    return;
  }
  path_ = "/proc/self/fd/" + std::to_string(writeEnd_);
}

CapturedOutput::~CapturedOutput() {
  Finish();
}

void CapturedOutput::Gather() {
  char buffer[65536];
  for (;;) {
    ssize_t count = read(readEnd_, buffer, sizeof buffer);
    if (count == 0) return;
    if (count < 0) {
      if (errno == EINTR) continue;
      lost_ = std::strerror(errno);
      return;
    }
    if (!lost_.empty()) continue;  // the writer is drained to its end, so that it never waits
    try {
      gathered_.append(buffer, static_cast<size_t>(count));
    } catch (const std::bad_alloc&) {
      lost_ = std::strerror(ENOMEM);
      std::string().swap(gathered_);
    }
  }
}

void CapturedOutput::Finish() {
  // The reader sees the end once the last writer is gone, this one included.
  if (writeEnd_ >= 0) close(writeEnd_);
  writeEnd_ = -1;
  if (reader_.joinable()) reader_.join();
  if (readEnd_ >= 0) close(readEnd_);
  readEnd_ = -1;
}

std::string CapturedOutput::Collect(std::string& contents) {
  if (!failure_.empty()) return failure_;
  Finish();
  if (!lost_.empty()) return lost_;
  contents = std::move(gathered_);
  return "";
}

}  // namespace platform
