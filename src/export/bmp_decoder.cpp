#include "export/bmp_decoder.h"

#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "export/bmp_header.h"
#include "fileio/system_reason.h"
#include "fileio/user_words.h"
#include "model/geometry.h"

namespace mirel {
namespace {

constexpr QRgb kBlack = 0xFF000000;

QRgb PaletteColor(const TBmpLayout& l, unsigned index) {
  return index < l.Palette.size() ? l.Palette[index] : kBlack;
}

QRgb Packed(const TBmpLayout& l, std::uint32_t pixel) {
  return qRgb(l.Channels[0].Value(pixel), l.Channels[1].Value(pixel), l.Channels[2].Value(pixel));
}

// The first `count` pixels of one uncompressed row.
void ConvertRow(const TBmpLayout& l, const unsigned char* in, int count, QRgb* out) {
  for (int x = 0; x < count; ++x) {
    switch (l.BitCount) {
      case 1:
        out[x] = PaletteColor(l, (in[x / 8] >> (7 - x % 8)) & 1);
        break;
      case 4:
        out[x] = PaletteColor(l, x % 2 == 0 ? in[x / 2] >> 4 : in[x / 2] & 0x0F);
        break;
      case 8:
        out[x] = PaletteColor(l, in[x]);
        break;
      case 16:
        out[x] = Packed(l, in[2 * x] | (in[2 * x + 1] << 8));
        break;
      case 24:
        out[x] = qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
        break;
      default:
        out[x] = Packed(l, in[4 * x] | (in[4 * x + 1] << 8) | (in[4 * x + 2] << 16) |
                               (std::uint32_t{in[4 * x + 3]} << 24));
        break;
    }
  }
}

TResult<> ReadFailure(std::FILE* file) {
  if (std::ferror(file)) return DecodeFailure(msg::kFileUnreadable, "cannot read: " + SystemReason(errno));
  return DecodeFailure(msg::kPictureDamaged, "the file ended before the bitmap's pixels");
}

// Uncompressed rows: read in file order, which is bottom-up for most files.
bool ReadRows(std::FILE* file, const TBmpLayout& l, QImage& picture) {
  const int width = picture.width();
  const int height = picture.height();
  std::vector<unsigned char> row((static_cast<std::size_t>(width) * static_cast<unsigned>(l.BitCount) + 7) / 8);
  for (int i = 0; i < height; ++i) {
    const int y = l.TopDown ? i : height - 1 - i;
    const std::uint64_t fileRow = l.TopDown ? static_cast<std::uint64_t>(y) : static_cast<std::uint64_t>(l.Height - 1 - y);
    const auto offset = static_cast<off_t>(l.PixelOffset + fileRow * l.Stride);
    if (::fseeko(file, offset, SEEK_SET) != 0 || std::fread(row.data(), 1, row.size(), file) != row.size()) {
      return false;
    }
    ConvertRow(l, row.data(), width, reinterpret_cast<QRgb*>(picture.scanLine(y)));
  }
  return true;
}

// Run-length rows (always bottom-up): decoded in order, keeping the visible
// pixels. Pixels that the data skips stay black; data that ends early keeps
// what came before.
bool ReadRunLength(std::FILE* file, const TBmpLayout& l, QImage& picture) {
  if (::fseeko(file, static_cast<off_t>(l.PixelOffset), SEEK_SET) != 0) return false;
  const bool four = l.Compression == TBmpCompression::Rle4;
  std::int64_t x = 0;
  std::int64_t row = 0;  // from the bottom
  const auto put = [&](unsigned index) {
    const std::int64_t y = l.Height - 1 - row;
    if (y < picture.height() && x < picture.width()) {
      reinterpret_cast<QRgb*>(picture.scanLine(static_cast<int>(y)))[x] = PaletteColor(l, index);
    }
    ++x;
  };
  while (row < l.Height) {
    const int count = std::getc(file);
    const int value = std::getc(file);
    if (value == EOF) return !std::ferror(file);
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
      continue;
    }
    if (value == 0) {  // end of row
      x = 0;
      ++row;
    } else if (value == 1) {  // end of picture
      break;
    } else if (value == 2) {  // move right and up
      const int dx = std::getc(file);
      const int dy = std::getc(file);
      if (dy == EOF) return !std::ferror(file);
      x += dx;
      row += dy;
    } else {  // `value` pixels as they are, padded to an even byte count
      unsigned char bytes[256];
      const std::size_t size = four ? (static_cast<std::size_t>(value) + 1) / 2 : static_cast<std::size_t>(value);
      const std::size_t padded = size + size % 2;
      const std::size_t got = std::fread(bytes, 1, padded, file);
      for (int i = 0; i < value && static_cast<std::size_t>(four ? i / 2 : i) < got; ++i) {
        put(four ? (i % 2 == 0 ? bytes[i / 2] >> 4 : bytes[i / 2] & 0x0F) : bytes[i]);
      }
      if (got < padded) return !std::ferror(file);
    }
  }
  return true;
}

}  // namespace

TResult<TDecodedPicture> DecodeVisibleBmp(std::FILE* file) {
  if (::fseeko(file, 0, SEEK_END) != 0) return ReadFailure(file);
  const off_t fileSize = ::ftello(file);
  if (fileSize < 0 || ::fseeko(file, 0, SEEK_SET) != 0) return ReadFailure(file);
  std::vector<unsigned char> head(std::min<std::uint64_t>(kBmpHeadBytes, static_cast<std::uint64_t>(fileSize)));
  if (std::fread(head.data(), 1, head.size(), file) != head.size()) return ReadFailure(file);

  const TResult<TBmpLayout> header = ParseBmpHeader(head, static_cast<std::uint64_t>(fileSize));
  if (!header) return header.Failure();
  const TBmpLayout& l = *header;

  const int width = static_cast<int>(std::min<std::int64_t>(l.Width, CanvasWidth));
  const int height = static_cast<int>(std::min<std::int64_t>(l.Height, CanvasHeight));
  TDecodedPicture result;
  result.Picture = QImage(width, height, QImage::Format_RGB32);
  if (result.Picture.isNull()) return DecodeFailure(msg::kPictureTooLarge, "no memory for the picture");
  const bool runLength = l.Compression == TBmpCompression::Rle8 || l.Compression == TBmpCompression::Rle4;
  if (runLength) result.Picture.fill(kBlack);
  if (!(runLength ? ReadRunLength(file, l, result.Picture) : ReadRows(file, l, result.Picture))) {
    return ReadFailure(file);
  }
  result.FullSize = QSize(static_cast<int>(l.Width), static_cast<int>(l.Height));
  return result;
}

}  // namespace mirel
