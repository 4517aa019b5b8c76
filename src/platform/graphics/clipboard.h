#pragma once

#include <memory>

#include "platform/core/class_record.h"
#include "platform/core/object.h"

namespace platform {

class Picture;

// The desktop's clipboard. What is put on it stays there for other programs after the object is
// closed or released.
class Clipboard : public Object {
 public:
  static const ClassRecord& Lookup();

  // The picture on the clipboard now, or nil when it holds none.
  std::shared_ptr<platform::Picture> Picture() const;
  // Puts a copy of the picture on the clipboard as an image, for any program to paste. A nil or
  // empty picture clears the clipboard.
  void SetPicture(const std::shared_ptr<platform::Picture>& picture);
  // Ends this use of the clipboard; its contents stay.
  void Close();
};

}  // namespace platform
