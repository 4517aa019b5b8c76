#include "platform/graphics/font_qt.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace platform {
namespace {

constexpr double kPixelsPerInch = 72.0;
constexpr double kMillimetresPerInch = 25.4;

QStringList FamiliesFor(const std::string& family) {
  if (family == "System" || family.empty()) {
    return {QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()};
  }
  // Metric-compatible families first, so the layouts keep their widths.
  if (family == "Courier") {
    return {"Liberation Mono", "DejaVu Sans Mono",
            QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
  }
  if (family == "Times") return {"Liberation Serif", "DejaVu Serif", "Times"};
  return {QString::fromStdString(family)};
}

QFont::StyleHint StyleHintFor(const std::string& family) {
  if (family == "Courier") return QFont::TypeWriter;
  if (family == "Times") return QFont::Serif;
  return QFont::AnyStyle;
}

double PixelsFor(float size, int32_t unit) {
  switch (unit) {
    case 3:
      return size * kPixelsPerInch;
    case 4:
      return size * kPixelsPerInch / kMillimetresPerInch;
    default:
      return size;
  }
}

}  // namespace

QFont MakeFont(const FontDescription& settings) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setFamilies(FamiliesFor(settings.family));
  font.setStyleHint(StyleHintFor(settings.family));
  if (settings.family == "Courier") font.setFixedPitch(true);
  double pixels = PixelsFor(settings.size, settings.unit);
  if (pixels >= 1.0) font.setPixelSize(static_cast<int>(std::lround(pixels)));
  font.setBold(settings.bold);
  font.setItalic(settings.italic);
  font.setUnderline(settings.underline);
  return font;
}

}  // namespace platform
