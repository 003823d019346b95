#include "export/picture_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "export/picture_decoding.h"
#include "export/series_writer.h"
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
  const TResult<TDecodedPicture> decoded =
      DecodeVisiblePicture(std::span(reinterpret_cast<const unsigned char*>(data.data()), data.size()));
  EXPECT_EQ(decoded->Picture.size(), QSize(640, 480));
}

TEST_F(PictureFile, SeriesFramesGoToTheCurrentFolderWithoutBackup) {
  const std::string chosen = "/elsewhere/flower.jpg";
  const auto write = [&](const QImage& frame, int step) {
    TPictureSeriesWriter writer;
    ASSERT_TRUE(writer.Add(frame, SeriesFrameName(chosen, step)));
    ASSERT_TRUE(writer.Finish().Ok);
  };
  write(Quarters(640, 480), 1);
  const std::string firstBytes = ReadAll(PathOf("flower001.jpg"));
  ASSERT_FALSE(firstBytes.empty());
  QImage plain(640, 480, QImage::Format_RGB32);
  plain.fill(Qt::white);
  write(plain, 1);
  EXPECT_NE(ReadAll(PathOf("flower001.jpg")), firstBytes);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(PathOf("flower.bak"))));
  write(plain, 1000);
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(PathOf("flower1000.jpg"))));
}

// Frames whose pictures differ step by step, as a drawing grows.
QImage Frame(int step) {
  QImage frame = Quarters(640, 480);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < step * 8; ++x) frame.setPixel(x, y, qRgb(0, 0, 0));
  }
  return frame;
}

TEST_F(PictureFile, SeriesWithSeveralEncodersWritesTheSameFilesInOrderAndStopsAtAFailure) {
  std::optional<TPictureSeriesWriter> writer;
  const auto names = [&](int encoders, const std::string& prefix) {
    writer.emplace(encoders);
    for (int step = 1; step <= 12; ++step) {
      if (!writer->Add(Frame(step), SeriesFrameName(prefix + ".jpg", step))) break;
    }
    return writer->Finish();
  };
  ASSERT_TRUE(names(1, "one").Ok);
  const TResult<> three = names(3, "three");
  ASSERT_TRUE(three.Ok);
  EXPECT_EQ(writer->FramesWritten(), 12);
  for (int step = 1; step <= 12; ++step) {
    EXPECT_EQ(ReadAll(SeriesFrameName(PathOf("three.jpg"), step)),
              ReadAll(SeriesFrameName(PathOf("one.jpg"), step)))
        << step;
  }
  // A folder where frame 5 should go: frames 1 to 4 are written, none after.
  ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("bad005.jpg")));
  const TResult<> failed = names(3, "bad");
  EXPECT_FALSE(failed.Ok);
  EXPECT_EQ(writer->FramesWritten(), 4);
  EXPECT_EQ(failed.Message, std::string(msg::kPictureWriteFailed) + "bad005.jpg");
  EXPECT_NE(failed.Message.find("bad005.jpg"), std::string::npos) << failed.Message;
  EXPECT_EQ(QDir(Dir.path()).entryList({"bad*"}, QDir::Files).size(), 4);
}

TEST_F(PictureFile, CancelledSeriesKeepsOnlyWholeFrames) {
  TPictureSeriesWriter writer(2);
  for (int step = 1; step <= 30; ++step) ASSERT_TRUE(writer.Add(Frame(step), SeriesFrameName("c.jpg", step)));
  const TResult<> cancelled = writer.Cancel();
  EXPECT_TRUE(cancelled.Ok);
  EXPECT_FALSE(writer.Add(Frame(31), "c031.jpg"));
  const QStringList files = QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  ASSERT_EQ(files.size(), writer.FramesWritten());
  for (int step = 1; step <= writer.FramesWritten(); ++step) {
    EXPECT_EQ(files[step - 1].toStdString(), SeriesFrameName("c.jpg", step));
    const std::string data = ReadAll(PathOf(files[step - 1].toStdString()));
    EXPECT_EQ(DecodeVisiblePicture(std::span(reinterpret_cast<const unsigned char*>(data.data()), data.size()))
                  ->Picture.size(),
              QSize(640, 480));
  }
}

TEST_F(PictureFile, UnwritablePlacesAreReportedAndLeaveNothing) {
  const QImage frame = Quarters(640, 480);
  const std::string inMissingFolder = PathOf("no/such/folder/a.bmp");
  const TResult<> result = SaveBmpPicture(frame, inMissingFolder);
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

namespace mirel {
namespace {

TEST(PictureNames, TheKindComesFromTheExtensionInAnyCase) {
  const std::vector<std::pair<std::string, std::optional<TPictureKind>>> cases = {
      {"a.bmp", TPictureKind::Bmp},  {"dir/A.BMP", TPictureKind::Bmp}, {"a.jpg", TPictureKind::Jpeg},
      {"x/y.JpG", TPictureKind::Jpeg}, {"a.png", TPictureKind::Png}, {"a.PNG", TPictureKind::Png},
      {"a.gif", std::nullopt},        {"png", std::nullopt},          {"a.png/", std::nullopt},
      {"a.jpeg", std::nullopt},       {"", std::nullopt},
  };
  for (const auto& [path, kind] : cases) EXPECT_EQ(PictureKindOf(path), kind) << path;
}

class PictureByKind : public test::TPictureFolderTest {};

// Every kind decodes to the canvas it was given (JPEG within its loss) and
// replaces the file whole.
TEST_F(PictureByKind, EveryKindRoundTripsThroughItsFile) {
  const QImage canvas = test::Quarters(640, 480);
  TJpegEncoder jpeg;
  for (const auto& [name, kind] : {std::pair{"p.bmp", TPictureKind::Bmp}, std::pair{"p.jpg", TPictureKind::Jpeg},
                                   std::pair{"p.png", TPictureKind::Png}}) {
    const std::string path = PathOf(name);
    ASSERT_TRUE(SavePicture(kind, canvas, path, {}, jpeg).Ok) << name;
    const QImage back = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(back.size(), canvas.size()) << name;
    if (kind == TPictureKind::Jpeg) {
      EXPECT_NEAR(qRed(back.pixel(10, 10)), qRed(canvas.pixel(10, 10)), 8);
    } else {
      EXPECT_EQ(back, canvas) << name;
    }
  }
  const TResult<> refused = SavePicture(TPictureKind::Png, canvas, PathOf("missing/p.png"), {}, jpeg);
  EXPECT_FALSE(refused.Ok);
  EXPECT_FALSE(refused.Message.empty());
}

}  // namespace
}  // namespace mirel
