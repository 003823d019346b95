#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <limits>

#include "crafted_pictures.h"
#include "export/picture_decoding.h"
#include "fileio/user_words.h"
#include "render/gui_environment.h"

namespace mirel {
namespace {

using test::EncodeBmpAs;
using test::MakeBmp;
using test::PatternPicture;
using test::TBmpLayoutKind;
using test::TBmpRecipe;
using test::TBytes;

TResult<TDecodedPicture> Decode(const TBytes& bytes) { return DecodeVisiblePicture(std::span(bytes)); }

// The part of `picture` that the canvas shows.
QImage Visible(const QImage& picture) { return picture.copy(0, 0, std::min(picture.width(), 640), std::min(picture.height(), 480)); }

struct TLayoutCase {
  TBmpLayoutKind Layout;
  int Colours;
  std::uint32_t InfoSize;
};

TEST(BmpDecoding, EveryPixelLayoutGivesThePictureItHolds) {
  const TLayoutCase cases[] = {
      {TBmpLayoutKind::Mono1, 2, 40},       {TBmpLayoutKind::Mono1, 2, 12},
      {TBmpLayoutKind::Indexed4, 16, 40},   {TBmpLayoutKind::Indexed8, 200, 40},
      {TBmpLayoutKind::Indexed8, 200, 12},  {TBmpLayoutKind::Rgb555, 8, 40},
      {TBmpLayoutKind::Rgb565, 8, 40},      {TBmpLayoutKind::Rgb565, 8, 56},
      {TBmpLayoutKind::Rgb565, 8, 108},     {TBmpLayoutKind::Rgb24, 200, 40},
      {TBmpLayoutKind::Rgb24, 200, 12},     {TBmpLayoutKind::Rgb24, 200, 124},
      {TBmpLayoutKind::Rgb32, 200, 40},     {TBmpLayoutKind::Bgr32Masks, 8, 40},
      {TBmpLayoutKind::Bgr32Masks, 8, 124},
  };
  // Odd sizes exercise row padding; the large one is cut to the canvas.
  for (const QSize size : {QSize(13, 7), QSize(651, 483)}) {
    for (const TLayoutCase& c : cases) {
      const QImage picture = PatternPicture(size.width(), size.height(), c.Colours);
      for (const bool topDown : {false, true}) {
        if (topDown && c.InfoSize == 12) continue;  // the old header has no sign
        const TResult<TDecodedPicture> decoded = Decode(EncodeBmpAs(picture, c.Layout, topDown, c.InfoSize));
        SCOPED_TRACE(::testing::Message() << "layout " << static_cast<int>(c.Layout) << ", header "
                                          << c.InfoSize << ", top-down " << topDown << ", " << size.width());
        ASSERT_TRUE(decoded.Ok) << decoded.Detail;
        EXPECT_EQ(decoded->FullSize, size);
        EXPECT_EQ(decoded->Picture, Visible(picture));
      }
    }
  }
}

TEST(BmpDecoding, AgreesWithQtOnTheBitmapsQtWrites) {
  const QImage pattern = PatternPicture(37, 21, 8);
  for (const QImage::Format format :
       {QImage::Format_Mono, QImage::Format_Indexed8, QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB16}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(pattern.convertToFormat(format).save(&buffer, "BMP"));
    const TResult<TDecodedPicture> ours =
        DecodeVisiblePicture(std::span(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size()));
    ASSERT_TRUE(ours.Ok) << format << ": " << ours.Detail;
    const QImage qt = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(ours->Picture, qt) << format;
  }
}

// Pixel indexes 0 to 3 of a four-colour palette.
const QRgb kPalette[4] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

QImage FromIndexes(const std::vector<std::vector<int>>& rowsTopDown) {
  QImage picture(static_cast<int>(rowsTopDown[0].size()), static_cast<int>(rowsTopDown.size()), QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, kPalette[rowsTopDown[y][x]]);
  }
  return picture;
}

TEST(BmpDecoding, RunLengthRowsRunsCopiesAndJumps) {
  TBmpRecipe rle8;
  rle8.Width = 6;
  rle8.Height = 3;
  rle8.BitCount = 8;
  rle8.Compression = 1;
  rle8.Palette.assign(std::begin(kPalette), std::end(kPalette));
  rle8.Pixels = {
      3, 1, 0, 3, 2, 3, 0, 0,  // bottom row: a run of three 1s, then three pixels as they are, padded
      0, 0,                 // end of the row
      0, 2, 2, 1,           // jump two right and one up: the middle row stays black
      2, 3, 0, 1,           // the top row from x = 2: two 3s; end of the picture
      9, 9,                 // never read
  };
  TResult<TDecodedPicture> decoded = Decode(MakeBmp(rle8));
  ASSERT_TRUE(decoded.Ok) << decoded.Detail;
  EXPECT_EQ(decoded->Picture, FromIndexes({{0, 0, 3, 3, 0, 0}, {0, 0, 0, 0, 0, 0}, {1, 1, 1, 2, 3, 0}}));

  TBmpRecipe rle4 = rle8;
  rle4.BitCount = 4;
  rle4.Compression = 2;
  rle4.Height = 2;
  rle4.Pixels = {
      5, 0x12, 0, 0,           // bottom row: 1 2 1 2 1
      0, 3, 0x31, 0x20, 0, 1,  // top row: 3 1 2 as they are; end of the picture
  };
  decoded = Decode(MakeBmp(rle4));
  ASSERT_TRUE(decoded.Ok) << decoded.Detail;
  EXPECT_EQ(decoded->Picture, FromIndexes({{3, 1, 2, 0, 0, 0}, {1, 2, 1, 2, 1, 0}}));
}

struct TRefusalCase {
  const char* What;
  TBmpRecipe Recipe;
  std::string_view Failure;  // the user's words for why
};

TBmpRecipe Honest() {
  TBmpRecipe recipe;
  recipe.Width = 4;
  recipe.Height = 2;
  recipe.Pixels.assign(2 * 12, 0x80);
  return recipe;
}

template <typename Change>
TBmpRecipe HonestBut(Change change) {
  TBmpRecipe recipe = Honest();
  change(recipe);
  return recipe;
}

TEST(BmpDecoding, AbsurdOrInconsistentHeadersAreRefusedWithTheReason) {
  ASSERT_TRUE(Decode(MakeBmp(Honest())).Ok);
  const TRefusalCase cases[] = {
      {"no width", HonestBut([](TBmpRecipe& s) { s.Width = 0; }), msg::kPictureDamaged},
      {"negative width", HonestBut([](TBmpRecipe& s) { s.Width = -4; }), msg::kPictureDamaged},
      {"no height", HonestBut([](TBmpRecipe& s) { s.Height = 0; }), msg::kPictureDamaged},
      {"height beyond negation",
       HonestBut([](TBmpRecipe& s) { s.Height = std::numeric_limits<std::int32_t>::min(); }), msg::kPictureDamaged},
      {"huge claim, small file", HonestBut([](TBmpRecipe& s) { s.Width = s.Height = 100000; }), msg::kPictureDamaged},
      {"widest claim", HonestBut([](TBmpRecipe& s) { s.Width = std::numeric_limits<std::int32_t>::max(); }),
       msg::kPictureDamaged},
      {"tallest top-down claim", HonestBut([](TBmpRecipe& s) { s.Height = -std::numeric_limits<std::int32_t>::max(); }),
       msg::kPictureDamaged},
      {"last row cut", HonestBut([](TBmpRecipe& s) { s.Pixels.resize(12 + 11); }), msg::kPictureDamaged},
      {"pixels inside the header", HonestBut([](TBmpRecipe& s) { s.PixelOffset = 30; }), msg::kPictureDamaged},
      {"pixels past the end", HonestBut([](TBmpRecipe& s) { s.PixelOffset = 1u << 30; }), msg::kPictureDamaged},
      {"2 bits per pixel", HonestBut([](TBmpRecipe& s) { s.BitCount = 2; }), msg::kPictureKindUnsupported},
      {"PNG inside", HonestBut([](TBmpRecipe& s) { s.BitCount = 0; s.Compression = 5; }), msg::kPictureKindUnsupported},
      {"JPEG inside", HonestBut([](TBmpRecipe& s) { s.Compression = 4; }), msg::kPictureKindUnsupported},
      {"OS/2 2.x header", HonestBut([](TBmpRecipe& s) { s.InfoSize = 64; }), msg::kPictureKindUnsupported},
      {"run lengths of 24-bit pixels", HonestBut([](TBmpRecipe& s) { s.Compression = 1; }), msg::kPictureDamaged},
      {"top-down run lengths",
       HonestBut([](TBmpRecipe& s) { s.BitCount = 8; s.Compression = 1; s.Height = -2; }), msg::kPictureDamaged},
      {"bit fields of 24-bit pixels", HonestBut([](TBmpRecipe& s) { s.Compression = 3; s.Masks = {0xFF0000, 0xFF00, 0xFF}; }),
       msg::kPictureDamaged},
  };
  for (const TRefusalCase& c : cases) {
    const TResult<TDecodedPicture> decoded = Decode(MakeBmp(c.Recipe));
    EXPECT_EQ(decoded.Reason, c.Failure) << c.What << ": " << decoded.Detail;
    EXPECT_FALSE(decoded.Ok) << c.What << ": no picture";
    EXPECT_FALSE(decoded.Detail.empty()) << c.What;
  }
  // The reason names the size the header claims.
  EXPECT_NE(Decode(MakeBmp(cases[4].Recipe)).Detail.find("100000 x 100000"), std::string::npos);
}

TEST(BmpDecoding, AFileCutAnywhereFailsOrDecodesButNeverReadsPastItsEnd) {
  for (const TBytes& whole : {EncodeBmpAs(PatternPicture(9, 5, 16), TBmpLayoutKind::Indexed4, false),
                              EncodeBmpAs(PatternPicture(9, 5, 8), TBmpLayoutKind::Rgb565, true, 124)}) {
    for (std::size_t size = 0; size < whole.size(); ++size) {
      const TBytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
      const TResult<TDecodedPicture> decoded = Decode(cut);
      EXPECT_TRUE(!decoded.Ok || !decoded->Picture.isNull()) << size;
    }
  }
}

}  // namespace
}  // namespace mirel
