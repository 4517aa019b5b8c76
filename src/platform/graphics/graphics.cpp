#include "platform/graphics/graphics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/core/exceptions.h"
#include "platform/graphics/drawing_surface_qt.h"
#include "platform/graphics/font_description.h"
#include "platform/graphics/font_qt.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/picture_data_qt.h"
#include "platform/graphics/picture_surface_qt.h"
#include "platform/graphics/string_shape.h"

namespace platform {
namespace {

__extension__ typedef __int128 Wide;  // products of two Int32 differences need 66 bits

constexpr double kDefaultTextSize = 12.0;
constexpr double kPi = 3.14159265358979323846;

// Text this far outside the picture is skipped before it reaches the text engine, whose fixed-point
// coordinates do not reach the ends of the Int32 range.
constexpr double kTextReach = 4096.0;

uint32_t OpaquePixel(Color color) {
  return 0xFF000000u | color.Value();
}

int32_t PixelSize(double textSize) {
  double size = textSize > 0.0 ? textSize : kDefaultTextSize;
  if (!(size < 4096.0)) size = 4096.0;  // NaN too
  return std::max(1, static_cast<int32_t>(std::lround(size)));
}

// Text drawn into pictures uses the same families as the text of controls.
QFont ResolveFont(const std::string& family, int32_t pixelSize) {
  FontDescription spec;
  spec.family = family;
  spec.size = static_cast<float>(pixelSize);
  return MakeFont(spec);
}

// Floor of numerator / denominator for a positive denominator.
Wide FloorDivide(Wide numerator, Wide denominator) {
  Wide quotient = numerator / denominator;
  if (numerator % denominator != 0 && numerator < 0) --quotient;
  return quotient;
}

// Clips every inking to the surface, so callers may pass any coordinates.
class PixelCanvas {
 public:
  explicit PixelCanvas(DrawingSurface& surface)
      : surface_(surface), width_(surface.Width()), height_(surface.Height()) {}

  int64_t Width() const { return width_; }
  int64_t Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Columns left..right-1 and rows top..bottom-1, clipped.
  void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel) {
    left = std::max<int64_t>(left, 0);
    top = std::max<int64_t>(top, 0);
    right = std::min<int64_t>(right, width_);
    bottom = std::min<int64_t>(bottom, height_);
    if (left >= right || top >= bottom) return;
    surface_.Fill(left, top, right, bottom, pixel);
  }

  void Span(int64_t row, int64_t left, int64_t right, uint32_t pixel) {
    Fill(left, row, right, row + 1, pixel);
  }

  void Set(int64_t x, int64_t y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    surface_.Set(x, y, pixel);
  }

 private:
  DrawingSurface& surface_;
  int64_t width_;
  int64_t height_;
};

// Whether text from left to right across, on the baseline y, lies more than `reach` outside.
bool BeyondReach(const PixelCanvas& canvas, double left, double right, double y, double reach) {
  auto width = static_cast<double>(canvas.Width());
  auto height = static_cast<double>(canvas.Height());
  return left > width + reach || right < -reach || y > height + reach || y < -reach;
}

// The part of [start, start + length) inside [0, limit), as start and length; length 0 when none.
void ClipInterval(double& start, double& length, double limit) {
  double end = std::min(start + length, limit);
  start = std::max(start, 0.0);
  length = std::max(end - start, 0.0);
}

// One axis of a scaled copy: source span [from, from + length) lands on the target from `to`,
// `scale` target pixels per source pixel.
struct AxisSpan {
  double from;
  double length;
  double to;
  double toLength;
};

// Cuts the span to what lies inside both the source and the target picture, moving the other end
// with each cut so that the copy keeps its scale and position.
AxisSpan ClipAxis(double from, double length, double to, double scale, int sourceExtent,
                  int targetExtent) {
  double clippedFrom = from;
  double clippedLength = length;
  ClipInterval(clippedFrom, clippedLength, sourceExtent);
  to += (clippedFrom - from) * scale;
  double visibleTo = to;
  double visibleLength = clippedLength * scale;
  ClipInterval(visibleTo, visibleLength, targetExtent);
  clippedFrom += (visibleTo - to) / scale;
  return {clippedFrom, visibleLength / scale, visibleTo, visibleLength};
}

}  // namespace

struct Graphics::FontCache {
  std::string family;
  int32_t pixelSize = 0;
  QFont font;
  QFontMetricsF metrics{QFont()};
};

Graphics::Graphics(Picture& picture) : surface_(std::make_unique<PictureSurface>(picture)) {}

Graphics::Graphics(std::unique_ptr<DrawingSurface> surface) : surface_(std::move(surface)) {}

Graphics::~Graphics() = default;

Graphics::FontCache& Graphics::CurrentFont(double size) {
  int32_t pixelSize = PixelSize(size);
  if (!fontCache_) fontCache_ = std::make_unique<FontCache>();
  if (fontCache_->pixelSize != pixelSize || fontCache_->family != textFont_) {
    fontCache_->family = textFont_;
    fontCache_->pixelSize = pixelSize;
    fontCache_->font = ResolveFont(textFont_, pixelSize);
    fontCache_->metrics = QFontMetricsF(fontCache_->font);
  }
  return *fontCache_;
}

double Graphics::StringWidth(const std::string& text) {
  return CurrentFont(textSize_).metrics.horizontalAdvance(QString::fromStdString(text));
}

void Graphics::DrawString(const std::string& text, int32_t x, int32_t y) {
  PixelCanvas canvas(*surface_);
  if (canvas.Empty() || text.empty()) return;
  FontCache& cache = CurrentFont(textSize_);
  QString qtext = QString::fromStdString(text);
  double width = cache.metrics.horizontalAdvance(qtext);
  double reach = kTextReach + cache.metrics.height();
  if (BeyondReach(canvas, x, x + width, y, reach)) return;
  surface_->Paint([&](QPainter& painter) {
    painter.setFont(cache.font);
    painter.setPen(QColor::fromRgb(OpaquePixel(foreColor_)));
    painter.drawText(QPointF(x, y), qtext);
  });
}

void Graphics::DrawObject(const std::shared_ptr<StringShape>& shape, int32_t x, int32_t y) {
  const StringShape& text = NotNil(shape);
  PixelCanvas canvas(*surface_);
  if (canvas.Empty() || text.Text().empty()) return;
  // Turned or not, the text stays within its own width of the anchor.
  FontCache& cache = CurrentFont(text.TextSize());
  QString qtext = QString::fromStdString(text.Text());
  double width = cache.metrics.horizontalAdvance(qtext);
  double reach = kTextReach + width + cache.metrics.height();
  if (BeyondReach(canvas, x, x, y, reach)) return;
  double degrees = text.Rotation() * 180.0 / kPi;
  if (!std::isfinite(degrees)) return;
  surface_->Paint([&](QPainter& painter) {
    painter.setFont(cache.font);
    painter.setPen(QColor::fromRgb(OpaquePixel(foreColor_)));
    painter.translate(x, y);
    painter.rotate(std::fmod(degrees, 360.0));
    painter.drawText(QPointF(-width / 2.0, 0.0), qtext);
  });
}

void Graphics::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  PixelCanvas canvas(*surface_);
  if (canvas.Empty() || penWidth_ <= 0 || penHeight_ <= 0) return;
  uint32_t pixel = OpaquePixel(foreColor_);
  // A pen larger than the picture would make the walk below start billions of steps early; it
  // can cover no more than the whole picture anyway.
  int64_t penWidth = std::min<int64_t>(penWidth_, canvas.Width());
  int64_t penHeight = std::min<int64_t>(penHeight_, canvas.Height());
  auto plot = [&](int64_t x, int64_t y) {
    if (penWidth == 1 && penHeight == 1) {
      canvas.Set(x, y, pixel);
    } else {
      canvas.Fill(x, y, x + penWidth, y + penHeight, pixel);
    }
  };

  // The pixels of a line depend only on its two end points, not on their order: walk the major
  // axis from the lower end and round the minor coordinate to the nearest pixel (halves upward).
  // Only the stretch of the major axis that can touch the picture is walked.
  int64_t dx = static_cast<int64_t>(x2) - x1;
  int64_t dy = static_cast<int64_t>(y2) - y1;
  bool xMajor = std::llabs(dx) >= std::llabs(dy);
  int64_t majorStart = xMajor ? x1 : y1;
  int64_t minorStart = xMajor ? y1 : x1;
  int64_t majorDelta = xMajor ? dx : dy;
  int64_t minorDelta = xMajor ? dy : dx;
  if (majorDelta < 0) {
    majorStart += majorDelta;
    minorStart += minorDelta;
    majorDelta = -majorDelta;
    minorDelta = -minorDelta;
  }
  if (majorDelta == 0) {
    plot(x1, y1);
    return;
  }
  int64_t majorPen = xMajor ? penWidth : penHeight;
  int64_t majorLimit = xMajor ? canvas.Width() : canvas.Height();
  int64_t first = std::max(majorStart, 1 - majorPen);
  int64_t last = std::min(majorStart + majorDelta, majorLimit - 1);
  for (int64_t major = first; major <= last; ++major) {
    Wide travelled = static_cast<Wide>(major - majorStart) * minorDelta;
    int64_t minor =
        minorStart + static_cast<int64_t>(FloorDivide(2 * travelled + majorDelta, 2 * majorDelta));
    if (xMajor) {
      plot(major, minor);
    } else {
      plot(minor, major);
    }
  }
}

void Graphics::FillRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  PixelCanvas canvas(*surface_);
  if (canvas.Empty() || width <= 0 || height <= 0) return;
  canvas.Fill(x, y, static_cast<int64_t>(x) + width, static_cast<int64_t>(y) + height,
              OpaquePixel(foreColor_));
}

void Graphics::DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  PixelCanvas canvas(*surface_);
  if (canvas.Empty() || width <= 0 || height <= 0 || penWidth_ <= 0 || penHeight_ <= 0) return;
  uint32_t pixel = OpaquePixel(foreColor_);
  int64_t left = x;
  int64_t top = y;
  int64_t right = left + width;
  int64_t bottom = top + height;
  int64_t penWidth = penWidth_;
  int64_t penHeight = penHeight_;
  if (2 * penWidth >= width || 2 * penHeight >= height) {
    canvas.Fill(left, top, right, bottom, pixel);
    return;
  }
  canvas.Fill(left, top, right, top + penHeight, pixel);
  canvas.Fill(left, bottom - penHeight, right, bottom, pixel);
  canvas.Fill(left, top + penHeight, left + penWidth, bottom - penHeight, pixel);
  canvas.Fill(right - penWidth, top + penHeight, right, bottom - penHeight, pixel);
}

void Graphics::FillOval(int32_t x, int32_t y, int32_t width, int32_t height) {
  PixelCanvas canvas(*surface_);
  if (canvas.Empty() || width <= 0 || height <= 0) return;
  uint32_t pixel = OpaquePixel(foreColor_);
  // Pixel (px, py) counts when u^2 h^2 + v^2 w^2 <= w^2 h^2, with u = 2(px - x) + 1 - w and
  // v = 2(py - y) + 1 - h its centre's doubled offsets from the box's centre: exact integers.
  Wide w = width;
  Wide h = height;
  Wide limit = w * w * h * h;
  // Widened first: width + 1 overflows Int32 for the widest box.
  const int64_t halfWidth = (static_cast<int64_t>(width) + 1) / 2;
  int64_t firstRow = std::max<int64_t>(y, 0);
  int64_t lastRow = std::min<int64_t>(static_cast<int64_t>(y) + height, canvas.Height()) - 1;
  for (int64_t row = firstRow; row <= lastRow; ++row) {
    Wide v = 2 * (static_cast<Wide>(row) - y) + 1 - h;
    Wide rowTerm = v * v * w * w;
    // The covered columns are symmetric about the centre: find the half-span by bisection.
    int64_t low = 0;
    int64_t high = halfWidth;  // columns from the box's left edge to its middle
    // Smallest column offset c in [0, high) from the left edge that is inside.
    while (low < high) {
      int64_t middle = low + (high - low) / 2;
      Wide u = 2 * static_cast<Wide>(middle) + 1 - w;
      if (u * u * h * h + rowTerm <= limit) {
        high = middle;
      } else {
        low = middle + 1;
      }
    }
    if (low >= halfWidth) continue;
    int64_t left = static_cast<int64_t>(x) + low;
    int64_t right = static_cast<int64_t>(x) + width - low;
    canvas.Span(row, left, right, pixel);
  }
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y) {
  const Picture& source = NotNil(picture);
  DrawPicture(picture, x, y, source.Width(), source.Height(), 0, 0, source.Width(),
              source.Height());
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y,
                           int32_t width, int32_t height, int32_t sourceX, int32_t sourceY,
                           int32_t sourceWidth, int32_t sourceHeight) {
  const Picture& source = NotNil(picture);
  PixelCanvas target(*surface_);
  // A shallow copy: should the source be this very picture, painting detaches the target first.
  QImage sourceImage = source.Data().image;
  if (target.Empty() || sourceImage.isNull()) return;
  if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;

  const AxisSpan across =
      ClipAxis(sourceX, sourceWidth, x, static_cast<double>(width) / sourceWidth,
               sourceImage.width(), static_cast<int>(target.Width()));
  const AxisSpan down =
      ClipAxis(sourceY, sourceHeight, y, static_cast<double>(height) / sourceHeight,
               sourceImage.height(), static_cast<int>(target.Height()));
  if (across.toLength <= 0.0 || down.toLength <= 0.0) return;

  surface_->Paint([&](QPainter& painter) {
    painter.drawImage(QRectF(across.to, down.to, across.toLength, down.toLength), sourceImage,
                      QRectF(across.from, down.from, across.length, down.length));
  });
}

void Graphics::NextPage() {
  surface_->NextPage();
}

}  // namespace platform
