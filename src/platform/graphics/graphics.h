#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/color.h"

namespace platform {

class DrawingSurface;
class Picture;
class StringShape;

// The one drawing context of a picture or of a printer. It keeps its colour, text settings and pen
// between uses. On a picture a unit is a pixel; on a printer it is a point (72 per inch), with the
// origin at the top-left of the printable area (OpenPrinterDialog), and drawing reaches from there
// to the paper's right and bottom edges.
//
// Pixel rules, the same for every picture (on a printer, units take the place of pixels):
// - Lines, rectangles and ovals are drawn without anti-aliasing, so every pixel is exact. Text
//   may be anti-aliased.
// - The pen is PenWidth x PenHeight pixels and hangs right of and below the point it is drawn at.
//   DrawLine covers both end points. DrawRect keeps the pen inside the rectangle: with a 1-pixel
//   pen DrawRect(x, y, w, h) covers the outline x..x+w-1 by y..y+h-1, with a 2-pixel pen the
//   band two pixels deep just inside that outline. A pen of 0 or less draws no line and no frame.
// - FillRect(x, y, w, h) covers x..x+w-1 by y..y+h-1.
// - FillOval(x, y, w, h) covers the pixels whose centres lie inside or on the ellipse inscribed in
//   that box. FillOval(x, y, 2r+1, 2r+1) is a disc centred on pixel (x+r, y+r); for r = 1 all
//   nine pixels of its 3 x 3 box count, corners included.
// - A box of zero or negative size draws nothing; so does every operation on an empty picture.
//   Coordinates anywhere in the Int32 range are clipped to the picture, never wrapped.
class Graphics {
 public:
  explicit Graphics(Picture& picture);
  // For the framework: a context drawing on another kind of surface.
  explicit Graphics(std::unique_ptr<DrawingSurface> surface);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color) { foreColor_ = color; }

  // In pixels. 0, the initial value, draws at the default size of 12 pixels; sizes are rounded to
  // whole pixels.
  double TextSize() const { return textSize_; }
  void SetTextSize(double size) { textSize_ = size; }

  // "System" (the initial value) is the desktop's user-interface family, "Courier" a monospaced
  // and "Times" a serif family; any other name is looked up as given.
  const std::string& TextFont() const { return textFont_; }
  void SetTextFont(const std::string& family) { textFont_ = family; }

  int32_t PenWidth() const { return penWidth_; }
  void SetPenWidth(int32_t width) { penWidth_ = width; }
  int32_t PenHeight() const { return penHeight_; }
  void SetPenHeight(int32_t height) { penHeight_ = height; }

  // Draws one line of text in ForeColor; (x, y) is the left end of its baseline.
  void DrawString(const std::string& text, int32_t x, int32_t y);
  // The advance width of the text at the current font and size, in pixels.
  double StringWidth(const std::string& text);

  void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height);
  void FillRect(int32_t x, int32_t y, int32_t width, int32_t height);
  void FillOval(int32_t x, int32_t y, int32_t width, int32_t height);

  // The whole picture, unscaled, with its top-left corner at (x, y). A nil picture raises the
  // nil-object exception.
  void DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y);
  // The source rectangle of the picture scaled into the target rectangle; parts of the source
  // rectangle outside the picture are left out. A nil picture raises the nil-object exception.
  void DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y, int32_t width,
                   int32_t height, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                   int32_t sourceHeight);

  // Draws the text shape in ForeColor and the current font at the shape's text size, turned by its
  // rotation about (x, y): the middle of the text's baseline lies on (x, y). A nil shape raises the
  // nil-object exception.
  void DrawObject(const std::shared_ptr<StringShape>& shape, int32_t x, int32_t y);

  // On a printer, finishes the page and starts a new one, keeping the context's settings; on a
  // picture it does nothing.
  void NextPage();

  // For the framework: what the context draws on.
  DrawingSurface& Surface() { return *surface_; }

 private:
  struct FontCache;

  FontCache& CurrentFont(double size);

  std::unique_ptr<DrawingSurface> surface_;
  Color foreColor_;
  double textSize_ = 0.0;
  std::string textFont_ = "System";
  int32_t penWidth_ = 1;
  int32_t penHeight_ = 1;
  std::unique_ptr<FontCache> fontCache_;
};

}  // namespace platform
