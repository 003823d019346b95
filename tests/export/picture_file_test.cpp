#include "export/picture_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "export/picture_decoding.h"
#include "picture_fixtures.h"
#include "render/gui_environment.h"

namespace mirel {
namespace {

using test::Quarters;
using test::ReadAll;

TEST(PictureNames, SeriesFramesCountFromOneWithThreeDigitsAndMoreFromAThousand) {
  EXPECT_EQ(SeriesFrameName("C:\\work\\flower.jpg", 1), "flower001.jpg");
  EXPECT_EQ(SeriesFrameName("C:\\work\\flower.jpg", 12), "flower012.jpg");
  EXPECT_EQ(SeriesFrameName("/home/hana/flower.jpg", 999), "flower999.jpg");
  EXPECT_EQ(SeriesFrameName("flower.jpg", 1000), "flower1000.jpg");
  EXPECT_EQ(SeriesFrameName("/home/hana/my.flower.jpg", 7), "my.flower007.jpg");
}

TEST(PictureNames, BackupIsTheBaseNameWithBakInTheCurrentFolder) {
  EXPECT_EQ(PictureBackupName("/home/hana/pic.bmp"), "pic.bak");
  EXPECT_EQ(PictureBackupName("C:\\work\\pic.jpg"), "pic.bak");
  EXPECT_EQ(PictureBackupName("noext"), "noext.bak");
}

class PictureFile : public test::TPictureFolderTest {};

TEST_F(PictureFile, SavingTwiceKeepsTheFirstPictureAsBackup) {
  QImage first(640, 480, QImage::Format_RGB32);
  first.fill(qRgb(255, 0, 0));
  const QImage second = Quarters(640, 480);
  const std::string path = PathOf("a.bmp");
  ASSERT_TRUE(SaveBmpPicture(first, path).Ok);
  const std::string firstBytes = ReadAll(path);
  ASSERT_TRUE(SaveBmpPicture(second, path).Ok);
  EXPECT_EQ(ReadAll(PathOf("a.bak")), firstBytes);
  EXPECT_EQ(QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32), second);

  // With the backup name taken the old picture is simply replaced.
  ASSERT_TRUE(SaveBmpPicture(first, path).Ok);
  EXPECT_EQ(ReadAll(PathOf("a.bak")), firstBytes);
  EXPECT_EQ(ReadAll(path), firstBytes);
  // No temporary files are left beside them.
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(PictureFile, JpegExportSharesTheBackupNameOfTheBitmap) {
  TJpegEncoder encoder;
  const std::string path = PathOf("pic.jpg");
  ASSERT_TRUE(SaveJpegPicture(encoder, Quarters(640, 480), path).Ok);
  const std::string firstBytes = ReadAll(path);
  ASSERT_TRUE(SaveJpegPicture(encoder, QImage(Quarters(640, 480).mirrored()), path).Ok);
  EXPECT_EQ(ReadAll(PathOf("pic.bak")), firstBytes);
  const std::string data = ReadAll(path);
  const TDecodedPicture decoded =
      DecodeVisiblePicture(std::span(reinterpret_cast<const unsigned char*>(data.data()), data.size()));
  EXPECT_EQ(decoded.Picture.size(), QSize(640, 480));
}

TEST_F(PictureFile, SeriesFramesGoToTheCurrentFolderWithoutBackup) {
  TJpegEncoder encoder;
  const std::string chosen = "/elsewhere/flower.jpg";
  ASSERT_TRUE(SaveSeriesFrame(encoder, Quarters(640, 480), chosen, 1).Ok);
  const std::string firstBytes = ReadAll(PathOf("flower001.jpg"));
  ASSERT_FALSE(firstBytes.empty());
  QImage plain(640, 480, QImage::Format_RGB32);
  plain.fill(Qt::white);
  ASSERT_TRUE(SaveSeriesFrame(encoder, plain, chosen, 1).Ok);
  EXPECT_NE(ReadAll(PathOf("flower001.jpg")), firstBytes);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(PathOf("flower.bak"))));
  ASSERT_TRUE(SaveSeriesFrame(encoder, plain, chosen, 1000).Ok);
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(PathOf("flower1000.jpg"))));
}

TEST_F(PictureFile, UnwritablePlacesAreReportedAndLeaveNothing) {
  const QImage frame = Quarters(640, 480);
  const std::string inMissingFolder = PathOf("no/such/folder/a.bmp");
  const TPictureFileResult result = SaveBmpPicture(frame, inMissingFolder);
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.find("a.bmp"), std::string::npos) << result.Message;
  EXPECT_NE(result.Message.find(std::strerror(ENOENT)), std::string::npos) << result.Message;

  // A folder stands where the picture should go: it stays a folder.
  ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("taken.jpg")));
  TJpegEncoder encoder;
  EXPECT_FALSE(SaveJpegPicture(encoder, frame, PathOf("taken.jpg")).Ok);
  EXPECT_TRUE(QFileInfo(QString::fromStdString(PathOf("taken.jpg"))).isDir());
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 0);

  EXPECT_FALSE(SaveBmpPicture(QImage(), PathOf("null.bmp")).Ok);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(PathOf("null.bmp"))));
}

}  // namespace
}  // namespace mirel
