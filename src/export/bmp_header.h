#pragma once
// The headers of a Windows bitmap file: the file header and any of the
// information headers in use (12, 40, 52, 56, 108 or 124 bytes), with the
// colour masks and the palette. Checked against the file's length, so that
// a header that is absurd or contradicts the file is refused before any
// pixel is read.
#include <QRgb>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "export/picture_decoding.h"

namespace mirel {

enum class TBmpCompression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

// One colour channel of a packed pixel: its bits and how to scale them to 8.
struct TBmpChannel {
  std::uint32_t Mask = 0;
  int Shift = 0;
  std::uint32_t Max = 0;  // the channel's largest value (Mask >> Shift)
  static TBmpChannel FromMask(std::uint32_t mask);
  int Value(std::uint32_t pixel) const {
    return Max == 0 ? 0 : static_cast<int>((std::uint64_t{(pixel & Mask) >> Shift} * 255 + Max / 2) / Max);
  }
};

struct TBmpLayout {
  std::int64_t Width = 0;
  std::int64_t Height = 0;  // rows, whichever way they run
  bool TopDown = false;     // the first row in the file is the top row
  int BitCount = 0;
  TBmpCompression Compression = TBmpCompression::Rgb;
  std::uint64_t PixelOffset = 0;  // where the pixel data starts in the file
  std::uint64_t Stride = 0;       // bytes per row in the file (uncompressed)
  std::array<TBmpChannel, 3> Channels;  // red, green, blue of 16 and 32-bit pixels
  std::vector<QRgb> Palette;            // for 1, 4 and 8 bits per pixel
};

// Run-length data is read from its start whatever part of it is visible;
// more than this is refused rather than read.
inline constexpr std::uint64_t kBmpRunLengthLimit = 256ULL * 1024 * 1024;

// Room for the longest headers with masks and a full palette.
inline constexpr std::size_t kBmpHeadBytes = 14 + 124 + 16 + 256 * 4;

// Reads the headers from `head`, the first bytes of the file (up to
// kBmpHeadBytes), for a file of `fileSize` bytes. A refusal is a
// DecodeFailure.
TResult<TBmpLayout> ParseBmpHeader(std::span<const unsigned char> head, std::uint64_t fileSize);

}  // namespace mirel
