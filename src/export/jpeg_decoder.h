#pragma once
// JPEG pictures decoded with libjpeg at its best quality.
#include <QImage>
#include <span>
#include <string>

namespace mirel {

struct TJpegDecodeResult {
  QImage Picture;     // Format_RGB32 of the JPEG's own size; null on failure
  std::string Error;  // why decoding failed; empty on success
  bool TooLarge = false;  // refused for its size
};

// Decodes `data` into 24-bit colour (greyscale pictures too) held 32 bits per
// pixel. Pictures wider or taller than `maxSide` are refused before any
// pixel memory is taken.
TJpegDecodeResult DecodeJpeg(std::span<const unsigned char> data, int maxSide);

}  // namespace mirel
