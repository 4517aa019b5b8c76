#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/controls/text_control.h"

namespace platform {

class Graphics;
class StyledTextPrinter;

// An editable text field. Its text holds a carriage return as the one line break, whatever line
// endings were set or pasted. Positions and lengths count characters, a line break as one.
class TextArea : public TextControl {
 public:
  // KeyDown (TextArea, String) as Boolean: the typed key; True consumes it.
  static constexpr int32_t kKeyDownEvent = 13;

  TextArea();
  static const ClassRecord& Lookup();

  std::string Text() const;
  void SetText(const std::string& text);

  // Setting SelStart places the insertion point there (an empty selection); SelLength then
  // extends the selection from it.
  int32_t SelStart() const;
  void SetSelStart(int32_t start);
  int32_t SelLength() const;
  void SetSelLength(int32_t length);
  // Whether the selection is bold; setting it makes the selected characters bold or plain.
  bool SelBold() const;
  void SetSelBold(bool bold);

  // A printer of the whole text as it is now, laid out `width` units wide for the drawing context,
  // that keeps its place from one block to the next. Raises the nil-object exception for a nil
  // context.
  std::shared_ptr<StyledTextPrinter> styledTextPrinter(std::shared_ptr<Graphics> graphics,
                                                       int32_t width) const;

  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  // The most characters the user may type or paste; 0 for no limit. A typed key past it is
  // dropped. A paste (or drop) into an area with a limit loses the blanks, tabs and line breaks
  // around it, and what remains is refused with a beep, the text left as it was, when it does not
  // fit whole. Text set by code is not cut.
  int32_t LimitText() const;
  void SetLimitText(int32_t limit);
  // Whatever LimitText says, a paste (or drop) that would leave more characters than this in the
  // area is refused whole with a message, the text left as it was: Qt lays a line out in time
  // that grows with the square of its length, so one pasted line of a million characters would
  // hold the window for a minute. The bound is far above what the program's fields are made for.
  static constexpr int32_t kMostCharactersAfterPaste = 32768;

  // Raised by the framework for a typed key: true when the KeyDown handler consumed the key. A
  // handler that failed has not let the key through either.
  bool RaiseKeyDown(const std::string& key);

 protected:
  bool HasEvent(int32_t eventNumber) const override;
  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 private:
  void SetAlignment(int32_t alignment);
  void SetScrollbars(bool horizontal, bool vertical);
  void SetMultiline(bool multiline);

  bool scrollbarHorizontal_ = false;
  bool scrollbarVertical_ = false;
};

}  // namespace platform
