#pragma once
// Picture files made on the spot in a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <span>
#include <string>

#include "export/background_picture.h"
#include "export/bmp_encoder.h"
#include "export/jpeg_encoder.h"
#include "fileio/user_words.h"
#include "support/file_helpers.h"

namespace mirel::test {

// What came of a background load, told from its result.
enum class TLoadKind { Loaded, NotAPicture, Missing, Undecodable, TooLarge };
inline TLoadKind KindOf(const TResult<bool>& loaded) {
  if (loaded) return *loaded ? TLoadKind::Loaded : TLoadKind::NotAPicture;
  if (IsBackgroundNotFound(loaded)) return TLoadKind::Missing;
  return loaded.Reason == msg::kPictureTooLarge ? TLoadKind::TooLarge : TLoadKind::Undecodable;
}

// A picture of four solid quarters, easy to recognise after JPEG's losses.
inline QImage Quarters(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2;
      const bool bottom = y >= height / 2;
      image.setPixel(x, y, right ? (bottom ? qRgb(0, 0, 255) : qRgb(0, 255, 0))
                                 : (bottom ? qRgb(255, 255, 0) : qRgb(255, 0, 0)));
    }
  }
  return image;
}

// Channels within `tolerance` of each other.
inline bool Near(QRgb a, QRgb b, int tolerance = 24) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// A temporary folder that is also the current folder while the test runs,
// as the save dialogs leave it.
class TPictureFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Previous = QDir::currentPath();
    QDir::setCurrent(Dir.path());
  }
  void TearDown() override { QDir::setCurrent(Previous); }

  std::string PathOf(const std::string& name) const { return (Dir.path() + "/").toStdString() + name; }

  void WriteBytes(const std::string& name, std::span<const unsigned char> bytes) const {
    QFile file(QString::fromStdString(PathOf(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
  }
  void WriteText(const std::string& name, const std::string& text) const {
    WriteBytes(name, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
  }
  void WriteBmp(const std::string& name, const QImage& image) const { WriteBytes(name, EncodeBmp32(image)); }
  void WriteJpeg(const std::string& name, const QImage& image) {
    ASSERT_TRUE(Encoder.Encode(image).Ok);
    WriteBytes(name, Encoder.Data());
  }

  QTemporaryDir Dir;
  QString Previous;
  TJpegEncoder Encoder;
};

}  // namespace mirel::test
