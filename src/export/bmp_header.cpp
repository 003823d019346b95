#include "export/bmp_header.h"

#include <bit>
#include <limits>

#include "fileio/user_words.h"

namespace mirel {
namespace {

std::uint32_t Le16(std::span<const unsigned char> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t Le32(std::span<const unsigned char> b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

bool KnownInfoSize(std::uint32_t size) {
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool BitCountFits(TBmpCompression compression, int bits) {
  switch (compression) {
    case TBmpCompression::Rgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case TBmpCompression::Rle8:
      return bits == 8;
    case TBmpCompression::Rle4:
      return bits == 4;
    case TBmpCompression::BitFields:
    case TBmpCompression::AlphaBitFields:
      return bits == 16 || bits == 32;
  }
  return false;
}

std::string SizeText(std::int64_t width, std::int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

TBmpChannel TBmpChannel::FromMask(std::uint32_t mask) {
  TBmpChannel channel;
  channel.Mask = mask;
  channel.Shift = mask == 0 ? 0 : std::countr_zero(mask);
  channel.Max = mask >> channel.Shift;
  return channel;
}

TResult<TBmpLayout> ParseBmpHeader(std::span<const unsigned char> head, std::uint64_t fileSize) {
  if (head.size() < 18) return DecodeFailure(msg::kPictureDamaged, "too short for a bitmap file header");
  const std::uint32_t infoSize = Le32(head, 14);
  if (!KnownInfoSize(infoSize)) {
    return DecodeFailure(msg::kPictureKindUnsupported,
                         "bitmap information header of " + std::to_string(infoSize) + " bytes");
  }
  const std::size_t infoEnd = 14 + infoSize;
  if (head.size() < infoEnd) return DecodeFailure(msg::kPictureDamaged, "the file ends inside the bitmap header");

  TBmpLayout l;
  l.PixelOffset = Le32(head, 10);
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::size_t paletteEntry = 4;
  std::int64_t height = 0;
  if (infoSize == 12) {  // the old OS/2 and Windows 2 header
    l.Width = Le16(head, 18);
    height = Le16(head, 20);
    l.BitCount = static_cast<int>(Le16(head, 24));
    paletteEntry = 3;
  } else {
    l.Width = static_cast<std::int32_t>(Le32(head, 18));
    height = static_cast<std::int32_t>(Le32(head, 22));
    l.BitCount = static_cast<int>(Le16(head, 28));
    compression = Le32(head, 30);
    colorsUsed = Le32(head, 46);
  }
  if (l.Width <= 0 || height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
    return DecodeFailure(msg::kPictureDamaged, "bitmap header gives the size " + SizeText(l.Width, height));
  }
  l.TopDown = height < 0;
  l.Height = height < 0 ? -height : height;
  if (compression != 0 && compression != 1 && compression != 2 && compression != 3 && compression != 6) {
    return DecodeFailure(msg::kPictureKindUnsupported, "bitmap compression " + std::to_string(compression));
  }
  l.Compression = static_cast<TBmpCompression>(compression);
  if (!BitCountFits(l.Compression, l.BitCount)) {
    return DecodeFailure(l.BitCount == 1 || l.BitCount == 4 || l.BitCount == 8 || l.BitCount == 16 ||
                                 l.BitCount == 24 || l.BitCount == 32
                             ? msg::kPictureDamaged
                             : msg::kPictureKindUnsupported,
                         "bitmap of " + std::to_string(l.BitCount) + " bits per pixel with compression " +
                       std::to_string(compression));
  }
  const bool runLength = l.Compression == TBmpCompression::Rle8 || l.Compression == TBmpCompression::Rle4;
  if (runLength && l.TopDown) return DecodeFailure(msg::kPictureDamaged, "run-length bitmap with top-down rows");

  // Masks: inside the longer headers, after the 40-byte one; both at 54.
  std::size_t headersEnd = infoEnd;
  if (l.Compression == TBmpCompression::BitFields || l.Compression == TBmpCompression::AlphaBitFields) {
    if (infoSize == 40) headersEnd += l.Compression == TBmpCompression::BitFields ? 12 : 16;
    if (head.size() < 66) return DecodeFailure(msg::kPictureDamaged, "the file ends inside the colour masks");
    for (std::size_t i = 0; i < 3; ++i) l.Channels[i] = TBmpChannel::FromMask(Le32(head, 54 + 4 * i));
  } else if (l.BitCount == 16) {
    l.Channels = {TBmpChannel::FromMask(0x7C00), TBmpChannel::FromMask(0x03E0), TBmpChannel::FromMask(0x001F)};
  } else if (l.BitCount == 32) {
    l.Channels = {TBmpChannel::FromMask(0xFF0000), TBmpChannel::FromMask(0xFF00), TBmpChannel::FromMask(0xFF)};
  }
  if (l.PixelOffset < headersEnd || l.PixelOffset > fileSize) {
    return DecodeFailure(msg::kPictureDamaged, "bitmap pixel data said to start at byte " +
                                                   std::to_string(l.PixelOffset) + " of " + std::to_string(fileSize));
  }

  if (l.BitCount <= 8) {
    const std::size_t most = std::size_t{1} << l.BitCount;
    std::size_t count = colorsUsed == 0 || colorsUsed > most ? most : colorsUsed;
    // Entries that the pixel data cuts off stay black.
    const std::size_t room = (std::min<std::uint64_t>(l.PixelOffset, head.size()) - headersEnd) / paletteEntry;
    count = std::min(count, room);
    l.Palette.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = headersEnd + i * paletteEntry;
      l.Palette.push_back(qRgb(head[at + 2], head[at + 1], head[at]));
    }
  }

  l.Stride = (static_cast<std::uint64_t>(l.Width) * static_cast<unsigned>(l.BitCount) + 31) / 32 * 4;
  if (runLength && fileSize - l.PixelOffset > kBmpRunLengthLimit) {
    return DecodeFailure(msg::kPictureTooLarge, "run-length bitmap data of " +
                                                    std::to_string(fileSize - l.PixelOffset) + " bytes, more than " +
                                                    std::to_string(kBmpRunLengthLimit >> 20) + " MiB");
  }
  if (!runLength) {
    // Every row must be there, the last one's padding excepted.
    const std::uint64_t lastRow = (static_cast<std::uint64_t>(l.Width) * static_cast<unsigned>(l.BitCount) + 7) / 8;
    const std::uint64_t available = fileSize - l.PixelOffset;
    const bool fits = lastRow <= available &&
                      static_cast<std::uint64_t>(l.Height - 1) <= (available - lastRow) / l.Stride;
    if (!fits) {
      return DecodeFailure(msg::kPictureDamaged, "a file of " + std::to_string(fileSize) + " bytes cannot hold the " +
                                                     SizeText(l.Width, l.Height) + " bitmap of " +
                                                     std::to_string(l.BitCount) + " bits per pixel its header gives");
    }
  }
  return l;
}

}  // namespace mirel
