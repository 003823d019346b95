#pragma once
// Small helpers for pixel checks on surfaces.
#include <QColor>
#include <QImage>

#include "model/geometry.h"

namespace mirel::test {

// The pixel as 0xRRGGBB.
inline unsigned Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

// 0xRRGGBB of a 0x00BBGGRR colour value.
constexpr unsigned RgbOf(TColor value) {
  return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

// A picture where neighbouring pixels differ, so an operation that touches
// the wrong pixels or the wrong channel shows.
inline QImage PatternImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.setPixel(x, y, qRgb((x * 7 + y) & 0xFF, (x * 3 + y * 5) & 0xFF, (x ^ y) & 0xFF));
    }
  }
  return image;
}

}  // namespace mirel::test
