#include <gtest/gtest.h>

#include "crafted_pictures.h"
#include "export/jpeg_decoder.h"
#include "fileio/user_words.h"
#include "export/picture_decoding.h"
#include "picture_fixtures.h"
#include "render/gui_environment.h"

namespace mirel {
namespace {

using test::MakeJpeg;
using test::Near;
using test::Quarters;
using test::TBytes;
using test::TJpegRecipe;

TResult<TDecodedPicture> Decode(const TBytes& bytes) { return DecodeVisiblePicture(std::span(bytes)); }

// The four quarters' colours at the corners of the visible part.
void ExpectQuarters(const QImage& picture, QSize full, const char* what) {
  const int right = std::min(full.width(), 640) - 1;
  const int bottom = std::min(full.height(), 480) - 1;
  const bool seesRight = right >= full.width() / 2;
  const bool seesBottom = bottom >= full.height() / 2;
  EXPECT_TRUE(Near(picture.pixel(0, 0), qRgb(255, 0, 0))) << what;
  EXPECT_TRUE(Near(picture.pixel(right, 0), seesRight ? qRgb(0, 255, 0) : qRgb(255, 0, 0))) << what;
  EXPECT_TRUE(Near(picture.pixel(0, bottom), seesBottom ? qRgb(255, 255, 0) : qRgb(255, 0, 0))) << what;
}

struct TSpaceCase {
  const char* What;
  J_COLOR_SPACE Space;
  bool Adobe;
};

TEST(JpegDecoding, EveryColourSpaceBecomesTheColoursItHolds) {
  const TSpaceCase cases[] = {
      {"YCbCr", JCS_YCbCr, false},
      {"RGB", JCS_RGB, false},
      {"CMYK, Adobe's inverted inks", JCS_CMYK, true},
      {"CMYK, plain inks", JCS_CMYK, false},
      {"YCCK", JCS_YCCK, true},
  };
  for (const bool progressive : {false, true}) {
    for (const QSize size : {QSize(64, 48), QSize(661, 491)}) {
      for (const TSpaceCase& c : cases) {
        TJpegRecipe recipe;
        recipe.Picture = Quarters(size.width(), size.height());
        recipe.Space = c.Space;
        recipe.AdobeMarker = c.Adobe;
        recipe.Progressive = progressive;
        const TBytes bytes = MakeJpeg(recipe);
        ASSERT_FALSE(bytes.empty()) << c.What;
        const TResult<TDecodedPicture> decoded = Decode(bytes);
        const std::string what = std::string(c.What) + (progressive ? ", progressive, " : ", ") +
                                 std::to_string(size.width());
        ASSERT_TRUE(decoded.Ok) << what << ": " << decoded.Detail;
        EXPECT_EQ(decoded->FullSize, size) << what;
        EXPECT_EQ(decoded->Picture.size(), size.boundedTo(QSize(640, 480))) << what;
        EXPECT_EQ(decoded->Picture.format(), QImage::Format_RGB32) << what;
        ExpectQuarters(decoded->Picture, size, what.c_str());
      }
    }
  }
}

TEST(JpegDecoding, GreyscaleBecomesGreyColour) {
  TJpegRecipe recipe;
  recipe.Picture = QImage(24, 16, QImage::Format_RGB32);
  recipe.Picture.fill(qRgb(200, 200, 200));
  recipe.Space = JCS_GRAYSCALE;
  const TResult<TDecodedPicture> decoded = Decode(MakeJpeg(recipe));
  ASSERT_TRUE(decoded.Ok) << decoded.Detail;
  EXPECT_TRUE(Near(decoded->Picture.pixel(10, 10), qRgb(200, 200, 200), 3));
}

TEST(JpegDecoding, HugeClaimsCostACanvasOrAreRefused) {
  TJpegRecipe recipe;
  recipe.Picture = Quarters(64, 48);
  const TBytes baseline = test::WithJpegSize(MakeJpeg(recipe), 16384, 16384);
  recipe.Progressive = true;
  const TBytes progressive = test::WithJpegSize(MakeJpeg(recipe), 16384, 16384);

  // The visible part of a picture whose data runs out early: what there is,
  // then the library's grey.
  const TResult<TDecodedPicture> decoded = Decode(baseline);
  ASSERT_TRUE(decoded.Ok) << decoded.Detail;
  EXPECT_EQ(decoded->FullSize, QSize(16384, 16384));
  EXPECT_EQ(decoded->Picture.size(), QSize(640, 480));

  // A progressive picture is held whole by the library: refused for its size.
  const TResult<TDecodedPicture> refused = Decode(progressive);
  EXPECT_EQ(refused.Reason, msg::kPictureTooLarge) << refused.Detail;
  EXPECT_NE(refused.Detail.find("16384 x 16384"), std::string::npos) << refused.Detail;
}

TEST(JpegDecoding, DamagedDataFailsWithTheLibrarysReason) {
  TJpegRecipe recipe;
  recipe.Picture = Quarters(64, 64);
  const TBytes whole = MakeJpeg(recipe);
  TBytes badMarker = whole;
  badMarker[3] ^= 0xFF;
  const TBytes cut(whole.begin(), whole.begin() + 100);
  const TBytes onlyStart{0xFF, 0xD8, 0xFF};
  for (const TBytes& bytes : {badMarker, cut, onlyStart, test::WithJpegSize(whole, 0, 64)}) {
    const TResult<TDecodedPicture> decoded = Decode(bytes);
    EXPECT_EQ(decoded.Reason, msg::kPictureDamaged) << decoded.Detail;
    EXPECT_FALSE(decoded.Ok) << "no picture";
    EXPECT_FALSE(decoded.Detail.empty());
  }
}

TEST(PictureSniffing, TheFirstBytesTellTheKind) {
  const unsigned char bmp[] = {'B', 'M', 0};
  const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0};
  const unsigned char png[] = {0x89, 'P', 'N', 'G'};
  EXPECT_EQ(SniffPictureFormat(bmp), TPictureFormat::Bmp);
  EXPECT_EQ(SniffPictureFormat(jpeg), TPictureFormat::Jpeg);
  EXPECT_EQ(SniffPictureFormat(png), TPictureFormat::Unknown);
  EXPECT_EQ(SniffPictureFormat(std::span(jpeg, 2)), TPictureFormat::Unknown);
  EXPECT_EQ(DecodeVisiblePicture(std::span(png)).Reason, msg::kNotAPicture);
}

}  // namespace
}  // namespace mirel
