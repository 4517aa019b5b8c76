#pragma once

#include <cstdint>
#include <memory>

namespace platform {

class Graphics;
class TextArea;

// Pours a text area's text onto a drawing context (a printer's pages) block by block, with the
// area's own fonts, sizes, styles, alignment and colour. It lays out a copy of the text taken when
// it is made, wrapped to its width as the area wraps its lines, so the area itself is left as it
// was, selection included, and later changes to it are not printed.
class StyledTextPrinter {
 public:
  // A width below one unit is taken as one. Raises the nil-object exception for a nil context.
  StyledTextPrinter(const TextArea& area, std::shared_ptr<Graphics> graphics, int32_t width);
  ~StyledTextPrinter();
  StyledTextPrinter(const StyledTextPrinter&) = delete;
  StyledTextPrinter& operator=(const StyledTextPrinter&) = delete;

  // Draws, from where the last block ended, the whole lines that fit into `height` units, with the
  // first line's top at (x, y), and moves past them. No line is cut across two blocks; a line
  // taller than the block is drawn alone, cut at the block's bottom, so every block moves on.
  void DrawBlock(int32_t x, int32_t y, int32_t height);

  // True once every line has been drawn; at once for a text of no characters.
  bool Eof() const;

 private:
  struct Layout;
  std::unique_ptr<Layout> layout_;
  std::shared_ptr<Graphics> graphics_;
};

}  // namespace platform
