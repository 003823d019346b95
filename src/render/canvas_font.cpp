#include "render/canvas_font.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace mirel {

int CanvasFontPixels(int points) {
  const std::int64_t pixels = (std::llabs(static_cast<std::int64_t>(points)) * 96 + 36) / 72;
  return static_cast<int>(std::clamp<std::int64_t>(pixels, 1, 1024));
}

QFont CanvasFont(int points) {
  QFont font(QString::fromLatin1(CanvasFontFamily));
  font.setPixelSize(CanvasFontPixels(points));
  // Crisp glyphs: text pixels are exactly the font colour.
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

int CanvasTextWidth(const QString& text, int points) {
  return QFontMetrics(CanvasFont(points)).horizontalAdvance(text);
}

}  // namespace mirel
