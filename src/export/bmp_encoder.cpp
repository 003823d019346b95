#include "export/bmp_encoder.h"

#include <QtEndian>
#include <cstdint>

namespace mirel {
namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::int32_t PixelsPerMetre = 3780;  // 96 dots per inch

void Put16(unsigned char*& out, std::uint16_t v) {
  qToLittleEndian(v, out);
  out += 2;
}
void Put32(unsigned char*& out, std::uint32_t v) {
  qToLittleEndian(v, out);
  out += 4;
}

}  // namespace

std::vector<unsigned char> EncodeBmp32(const QImage& frame) {
  if (frame.isNull()) return {};
  const QImage rgb = frame.format() == QImage::Format_RGB32 || frame.format() == QImage::Format_ARGB32
                         ? frame
                         : frame.convertToFormat(QImage::Format_RGB32);
  const auto width = static_cast<std::uint32_t>(rgb.width());
  const auto height = static_cast<std::uint32_t>(rgb.height());
  const std::uint64_t pixelBytes = std::uint64_t{width} * height * 4;
  const std::uint32_t offset = FileHeaderSize + InfoHeaderSize;
  if (pixelBytes + offset > 0xFFFFFFFFu) return {};

  std::vector<unsigned char> file(offset + pixelBytes);
  unsigned char* out = file.data();
  *out++ = 'B';
  *out++ = 'M';
  Put32(out, static_cast<std::uint32_t>(file.size()));
  Put32(out, 0);  // reserved
  Put32(out, offset);
  Put32(out, InfoHeaderSize);
  Put32(out, width);
  Put32(out, height);  // positive: the bottom row comes first
  Put16(out, 1);       // planes
  Put16(out, 32);      // bits per pixel
  Put32(out, 0);       // uncompressed
  Put32(out, static_cast<std::uint32_t>(pixelBytes));
  Put32(out, PixelsPerMetre);
  Put32(out, PixelsPerMetre);
  Put32(out, 0);  // colours used
  Put32(out, 0);  // important colours
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (std::uint32_t x = 0; x < width; ++x) {
      // Blue, green, red and a reserved zero byte.
      Put32(out, row[x] & 0x00FFFFFFu);
    }
  }
  return file;
}

}  // namespace mirel
