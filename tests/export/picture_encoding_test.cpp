#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <cstdint>
#include <random>
#include <vector>

#include "export/bmp_encoder.h"
#include "export/picture_decoding.h"
#include "export/jpeg_encoder.h"
#include "export/jpeg_series_encoder.h"
#include "picture_fixtures.h"
#include "render/gui_environment.h"

namespace mirel {
namespace {

using test::Near;
using test::Quarters;

std::uint32_t Le32(const std::vector<unsigned char>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}
std::uint16_t Le16(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

TEST(BmpEncoding, HeadersDescribeA32BitBottomUpUncompressedPicture) {
  QImage frame = Quarters(640, 480);
  frame.setPixel(0, 0, qRgb(1, 2, 3));
  const std::vector<unsigned char> file = EncodeBmp32(frame);
  ASSERT_EQ(file.size(), 54u + 640u * 480u * 4u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(Le32(file, 2), file.size());
  EXPECT_EQ(Le32(file, 10), 54u);   // pixels follow the two headers
  EXPECT_EQ(Le32(file, 14), 40u);   // information header size
  EXPECT_EQ(Le32(file, 18), 640u);
  EXPECT_EQ(static_cast<std::int32_t>(Le32(file, 22)), 480);  // positive: bottom-up
  EXPECT_EQ(Le16(file, 26), 1u);
  EXPECT_EQ(Le16(file, 28), 32u);
  EXPECT_EQ(Le32(file, 30), 0u);  // uncompressed
  EXPECT_EQ(Le32(file, 34), 640u * 480u * 4u);
  // The top-left pixel is the first of the last row in the file: B, G, R, 0.
  const std::size_t topLeft = 54 + 479u * 640u * 4u;
  EXPECT_EQ(file[topLeft], 3);
  EXPECT_EQ(file[topLeft + 1], 2);
  EXPECT_EQ(file[topLeft + 2], 1);
  EXPECT_EQ(file[topLeft + 3], 0);
}

TEST(BmpEncoding, RoundTripsExactly) {
  const QImage frame = Quarters(640, 480);
  const std::vector<unsigned char> file = EncodeBmp32(frame);
  QByteArray bytes(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "bmp");
  const QImage read = reader.read().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(read, frame);
}

// Finds the first marker `code` (after 0xFF) in a JPEG; npos when absent.
std::size_t FindMarker(std::span<const unsigned char> data, unsigned char code) {
  std::size_t at = 2;
  while (at + 4 <= data.size() && data[at] == 0xFF) {
    if (data[at + 1] == code) return at;
    if (data[at + 1] == 0xDA) break;  // scan data follows
    at += 2 + ((data[at + 2] << 8) | data[at + 3]);
  }
  return std::string::npos;
}

TEST(JpegEncoding, BaselineThreeComponentFrameOfTheCanvasSize) {
  TJpegEncoder encoder;
  ASSERT_TRUE(encoder.Encode(Quarters(640, 480)).Ok);
  const auto data = encoder.Data();
  ASSERT_GT(data.size(), 100u);
  EXPECT_EQ(data[0], 0xFF);
  EXPECT_EQ(data[1], 0xD8);
  EXPECT_EQ(data[data.size() - 2], 0xFF);
  EXPECT_EQ(data[data.size() - 1], 0xD9);
  EXPECT_EQ(FindMarker(data, 0xC2), std::string::npos);  // not progressive
  const std::size_t sof = FindMarker(data, 0xC0);
  ASSERT_NE(sof, std::string::npos);
  EXPECT_EQ(data[sof + 4], 8);                          // sample precision
  EXPECT_EQ((data[sof + 5] << 8) | data[sof + 6], 480);  // height
  EXPECT_EQ((data[sof + 7] << 8) | data[sof + 8], 640);  // width
  EXPECT_EQ(data[sof + 9], 3);                          // components
}

TEST(JpegEncoding, RoundTripsAndTheEncoderServesManyFrames) {
  TJpegEncoder encoder;
  const QImage first = Quarters(640, 480);
  ASSERT_TRUE(encoder.Encode(first).Ok);
  const std::vector<unsigned char> once(encoder.Data().begin(), encoder.Data().end());

  QImage second(640, 480, QImage::Format_RGB32);
  second.fill(qRgb(10, 200, 90));
  ASSERT_TRUE(encoder.Encode(second).Ok);
  TResult<TDecodedPicture> decoded = DecodeVisiblePicture(encoder.Data());
  ASSERT_TRUE(decoded.Ok) << decoded.Detail;
  EXPECT_TRUE(Near(decoded->Picture.pixel(320, 240), qRgb(10, 200, 90), 6));

  ASSERT_TRUE(encoder.Encode(first).Ok);
  EXPECT_TRUE(std::equal(once.begin(), once.end(), encoder.Data().begin(), encoder.Data().end()));
  decoded = DecodeVisiblePicture(encoder.Data());
  ASSERT_EQ(decoded->Picture.size(), QSize(640, 480));
  EXPECT_EQ(decoded->Picture.format(), QImage::Format_RGB32);
  EXPECT_TRUE(Near(decoded->Picture.pixel(100, 100), qRgb(255, 0, 0)));
  EXPECT_TRUE(Near(decoded->Picture.pixel(500, 400), qRgb(0, 0, 255)));
  // The standard reader agrees.
  EXPECT_TRUE(QImage::fromData(encoder.Data().data(), static_cast<int>(encoder.Data().size()), "JPEG")
                  .size() == QSize(640, 480));
}

TEST(JpegEncoding, ANullFrameIsAnErrorAndTheEncoderStaysUsable) {
  TJpegEncoder encoder;
  const TResult<std::span<const unsigned char>> nothing = encoder.Encode(QImage());
  EXPECT_FALSE(nothing.Ok);
  EXPECT_FALSE(nothing.Detail.empty());
  EXPECT_TRUE(encoder.Data().empty());
  EXPECT_TRUE(encoder.Encode(Quarters(16, 16)).Ok);
}


// A series re-compresses only the bands that changed, yet every file is the
// whole frame compressed with a restart at every band, and shows the same
// pixels as a file without restarts.
TEST(JpegSeriesEncoding, EveryFileIsTheWholeFrameWithARestartAtEveryBand) {
  std::mt19937 random(19);
  const auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
  TJpegSeriesEncoder series;
  TJpegEncoder whole;
  for (const QSize size : {QSize(640, 480), QSize(100, 37), QSize(640, 480)}) {
    QImage frame = Quarters(size.width(), size.height());
    for (int i = 0; i < 25; ++i) {
      QImage next = frame.copy();
      for (int r = pick(4); r > 0; --r) {  // none: the same frame again
        const QRect box(pick(size.width()), pick(size.height()), 1 + pick(size.width()), 1 + pick(40));
        for (int y = box.top(); y <= std::min(box.bottom(), size.height() - 1); ++y) {
          for (int x = box.left(); x <= std::min(box.right(), size.width() - 1); ++x) {
            next.setPixel(x, y, qRgb(pick(256), (x * 7) & 255, pick(2) * 255));  // noise: stuffed 0xFF bytes
          }
        }
      }
      frame = next;
      const auto file = series.Encode(frame);
      ASSERT_TRUE(file.Ok) << file.Detail;
      const std::vector<unsigned char> got(file->begin(), file->end());
      const auto expected = whole.Encode(frame, {.RestartInRows = 1});
      ASSERT_TRUE(std::equal(got.begin(), got.end(), expected->begin(), expected->end())) << size.width() << " " << i;
    }
    const TResult<TDecodedPicture> restarting = DecodeVisiblePicture(*series.Encode(frame));
    const TResult<TDecodedPicture> plain = DecodeVisiblePicture(*whole.Encode(frame));
    ASSERT_TRUE(restarting.Ok && plain.Ok);
    EXPECT_EQ(restarting->Picture, plain->Picture);
  }
  EXPECT_FALSE(series.Encode(QImage()).Ok);
}

}  // namespace
}  // namespace mirel
