// Feeds arbitrary bytes to the background picture decoder, bitmap or JPEG
// as their first bytes say. Beyond not crashing: a decoded picture is never
// larger than the canvas, is as large as the canvas shows of the size its
// header gives, and every pixel is opaque; a failure has a reason and no
// picture. Run with a malloc limit: no picture may ask for much memory.
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "export/picture_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const mirel::TDecodedPicture decoded = mirel::DecodeVisiblePicture(std::span(data, size));
  if (!decoded.Ok()) {
    if (!decoded.Picture.isNull() || decoded.Detail.empty()) std::abort();
    return 0;
  }
  const QImage& picture = decoded.Picture;
  if (picture.isNull() || picture.format() != QImage::Format_RGB32) std::abort();
  if (picture.size() != decoded.FullSize.boundedTo(QSize(640, 480))) std::abort();
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (qAlpha(row[x]) != 255) std::abort();
    }
  }
  return 0;
}
