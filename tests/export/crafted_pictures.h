#pragma once
// Picture files made byte by byte, so that tests (and the fuzzer's seeds)
// can have any header, pixel layout or colour space, honest or not.
#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

#include <cstdio>  // jpeglib.h needs FILE first
#include <jpeglib.h>

namespace mirel::test {

using TBytes = std::vector<unsigned char>;

// A Windows bitmap, field by field. Unset fields take the values an honest
// writer would give them.
struct TBmpRecipe {
  std::uint32_t InfoSize = 40;
  std::int32_t Width = 1;
  std::int32_t Height = 1;  // negative: top-down rows
  int BitCount = 24;
  std::uint32_t Compression = 0;
  std::vector<std::uint32_t> Masks;  // for bit fields: red, green, blue (alpha)
  std::vector<QRgb> Palette;
  std::uint32_t ColorsUsed = 0;
  // The pixels follow the headers, masks and palette at once; the header
  // says so unless PixelOffset claims another place.
  std::optional<std::uint32_t> PixelOffset;
  TBytes Pixels;  // exactly as they stand in the file
};
TBytes MakeBmp(const TBmpRecipe& recipe);

// How the pixels of a picture are laid out in a bitmap file.
enum class TBmpLayoutKind {
  Mono1,      // palette of 2
  Indexed4,   // palette of 16
  Indexed8,   // palette of 256
  Rgb555,     // 16 bits, no masks given
  Rgb565,     // 16 bits, masks given
  Rgb24,
  Rgb32,      // 32 bits, no masks given
  Bgr32Masks  // 32 bits, masks given in an unusual order (blue high)
};

// `picture`, whose colours the layout must be able to hold (palette
// layouts: at most 2, 16 or 256 different colours; 16-bit layouts: channels
// of 0 or 255 only), as a complete bitmap file. `infoSize` 12 makes the old
// header (palette layouts and 24 bits only).
TBytes EncodeBmpAs(const QImage& picture, TBmpLayoutKind layout, bool topDown, std::uint32_t infoSize = 40);

// The colour of pixel (x, y) in a test pattern of `colours` different
// colours that every layout above can hold when `colours` <= 8.
QRgb PatternColour(int x, int y, int colours);
QImage PatternPicture(int width, int height, int colours);

struct TJpegRecipe {
  QImage Picture;
  J_COLOR_SPACE Space = JCS_YCbCr;  // JCS_GRAYSCALE, JCS_CMYK, JCS_YCCK too
  bool AdobeMarker = true;          // for CMYK and YCCK: inks stored inverted, as Adobe does
  bool Progressive = false;
  int Quality = 95;
};
// Empty if libjpeg refused.
TBytes MakeJpeg(const TJpegRecipe& recipe);

// The same JPEG claiming another size in its frame header.
TBytes WithJpegSize(TBytes jpeg, int width, int height);

}  // namespace mirel::test
