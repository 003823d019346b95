#include "export/background_picture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "picture_fixtures.h"
#include "render/canvas_composition.h"
#include "render/gui_environment.h"
#include "text/cp932.h"

namespace mirel {
namespace {

using test::Near;
using test::Quarters;
using test::KindOf;
using test::TLoadKind;

class BackgroundPicture : public test::TPictureFolderTest {
 protected:
  // Loads a distinctive picture, so "unchanged" can be checked afterwards.
  void LoadKnownPicture() {
    WriteBmp("known.bmp", Quarters(64, 48));
    ASSERT_TRUE(Background.LoadBackground("known.bmp"));
    Known = Background.Picture();
  }
  void ExpectKnownPicture() const { EXPECT_EQ(Background.Picture(), Known); }

  TBackgroundPicture Background;
  QImage Known;
};

TEST_F(BackgroundPicture, StartsAndClearsToAWhiteCanvas) {
  const QImage& blank = Background.Picture();
  EXPECT_EQ(blank.size(), QSize(640, 480));
  EXPECT_EQ(blank.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(blank.pixel(639, 479), qRgb(255, 255, 255));

  LoadKnownPicture();
  Background.ClearBackground();
  TSurface back(CanvasWidth, CanvasHeight);
  TFigList none;
  ComposeCanvas(back, Background.Picture(), none, nullptr);
  EXPECT_EQ(back.Image(), TSurface(CanvasWidth, CanvasHeight).Image());
}

TEST_F(BackgroundPicture, BitmapsLoadByTheirTwoExactExtensions) {
  WriteBmp("lower.bmp", Quarters(20, 10));
  WriteBmp("upper.BMP", Quarters(30, 10));
  WriteBmp("mixed.Bmp", Quarters(40, 10));
  EXPECT_TRUE(Background.LoadBackground("lower.bmp"));
  EXPECT_EQ(Background.Picture().size(), QSize(20, 10));
  EXPECT_EQ(Background.Picture().pixel(15, 2), qRgb(0, 255, 0));
  EXPECT_TRUE(Background.LoadBackground("upper.BMP"));
  EXPECT_EQ(Background.Picture().size(), QSize(30, 10));

  // Present but not a picture name: done, nothing loaded.
  const TResult<bool> mixed = Background.Load("mixed.Bmp");
  EXPECT_EQ(KindOf(mixed), TLoadKind::NotAPicture);
  EXPECT_TRUE(Background.LoadBackground("mixed.Bmp"));
  EXPECT_EQ(Background.Picture().size(), QSize(30, 10));
}

TEST_F(BackgroundPicture, JpegKeepsItsSizeAndTheCanvasShowsItsTopLeft) {
  const QImage source = Quarters(800, 600);
  WriteJpeg("large.jpg", source);
  WriteJpeg("small.JPG", Quarters(100, 60));
  WriteJpeg("long.jpeg", source);

  ASSERT_TRUE(Background.LoadBackground("large.jpg"));
  EXPECT_EQ(Background.PictureSize(), QSize(800, 600));
  EXPECT_EQ(Background.Picture().size(), QSize(640, 480));  // all the canvas shows of it
  EXPECT_EQ(Background.Picture().format(), QImage::Format_RGB32);
  TSurface back(CanvasWidth, CanvasHeight);
  TFigList none;
  ComposeCanvas(back, Background.Picture(), none, nullptr);
  const QImage& canvas = back.Image();
  // The picture's centre (400, 300) lies inside the canvas at the same place.
  EXPECT_TRUE(Near(canvas.pixel(390, 290), qRgb(255, 0, 0)));
  EXPECT_TRUE(Near(canvas.pixel(410, 290), qRgb(0, 255, 0)));
  EXPECT_TRUE(Near(canvas.pixel(390, 310), qRgb(255, 255, 0)));
  EXPECT_TRUE(Near(canvas.pixel(639, 479), qRgb(0, 0, 255)));

  ASSERT_TRUE(Background.LoadBackground("small.JPG"));
  ComposeCanvas(back, Background.Picture(), none, nullptr);
  EXPECT_TRUE(Near(back.Image().pixel(99, 59), qRgb(0, 0, 255)));
  EXPECT_EQ(back.Image().pixel(100, 59), qRgb(255, 255, 255));
  EXPECT_EQ(back.Image().pixel(99, 60), qRgb(255, 255, 255));

  EXPECT_EQ(KindOf(Background.Load("long.jpeg")), TLoadKind::NotAPicture);
  EXPECT_EQ(Background.Picture().size(), QSize(100, 60));
  EXPECT_EQ(Background.PictureSize(), QSize(100, 60));
}

TEST_F(BackgroundPicture, GreyscaleJpegBecomesAColourPicture) {
  QImage grey(32, 16, QImage::Format_Grayscale8);
  grey.fill(200);
  ASSERT_TRUE(grey.save(QString::fromStdString(PathOf("grey.jpg")), "JPEG", 95));
  ASSERT_TRUE(Background.LoadBackground("grey.jpg"));
  EXPECT_EQ(Background.Picture().format(), QImage::Format_RGB32);
  EXPECT_TRUE(Near(Background.Picture().pixel(10, 10), qRgb(200, 200, 200), 4));
}

TEST_F(BackgroundPicture, MissingFileGivesOneAndKeepsThePicture) {
  LoadKnownPicture();
  const TResult<bool> result = Background.Load("nowhere.bmp");
  EXPECT_EQ(KindOf(result), TLoadKind::Missing);
  EXPECT_TRUE(IsBackgroundNotFound(Background.LoadBackground("nowhere.bmp")));
  EXPECT_TRUE(result.Message.empty());
  ExpectKnownPicture();
  // A folder is not a picture file.
  ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("folder.bmp")));
  EXPECT_EQ(KindOf(Background.Load("folder.bmp")), TLoadKind::Missing);
  EXPECT_TRUE(Background.LoadBackground("folder.bmp").Message.empty());
}

TEST_F(BackgroundPicture, UndecodableFilesAreReportedAndKeepThePicture) {
  LoadKnownPicture();
  const QImage good = Quarters(64, 48);
  WriteText("garbage.jpg", "this is not a picture");
  WriteText("empty.JPG", "");
  WriteText("garbage.bmp", "BM but nothing more");
  // A real JPEG cut short inside its headers.
  ASSERT_TRUE(Encoder.Encode(good).Ok);
  WriteBytes("cut.jpg", Encoder.Data().first(100));
  // A special file under a picture's name is refused without waiting on it.
  ASSERT_EQ(::mkfifo(PathOf("pipe.jpg").c_str(), 0600), 0);

  for (const char* name : {"garbage.jpg", "empty.JPG", "garbage.bmp", "cut.jpg", "pipe.jpg"}) {
    const TResult<bool> result = Background.Load(name);
    EXPECT_EQ(KindOf(result), TLoadKind::Undecodable) << name;
    EXPECT_FALSE(IsBackgroundNotFound(Background.LoadBackground(name))) << name;
    EXPECT_FALSE(result.Ok) << name;
    EXPECT_NE(result.Message.find(name), std::string::npos) << result.Message;
    EXPECT_NE(result.Detail.find(name), std::string::npos) << result.Detail;
    ExpectKnownPicture();
  }
  EXPECT_NE(Background.Load("pipe.jpg").Message.find("ふつうのファイルではありません"), std::string::npos);
  EXPECT_NE(Background.Load("garbage.jpg").Message.find("えのファイルではありません"), std::string::npos);
  // Through the replay's interface the reason comes with the failure, and
  // with it alone.
  const TResult<> replayed = Background.LoadBackground("garbage.jpg");
  EXPECT_FALSE(replayed || IsBackgroundNotFound(replayed));
  EXPECT_NE(replayed.Message.find("garbage.jpg"), std::string::npos);
  EXPECT_TRUE(Background.LoadBackground("known.bmp").Message.empty());
}

TEST_F(BackgroundPicture, TheContentsTellABitmapFromAJpeg) {
  const QImage good = Quarters(64, 48);
  WriteBmp("bitmap.jpg", good);
  WriteJpeg("jpeg.bmp", good);
  ASSERT_TRUE(Background.LoadBackground("bitmap.jpg"));
  EXPECT_EQ(Background.Picture(), good);
  Background.ClearBackground();
  ASSERT_TRUE(Background.LoadBackground("jpeg.bmp"));
  EXPECT_TRUE(Near(Background.Picture().pixel(40, 10), qRgb(0, 255, 0)));
}

TEST_F(BackgroundPicture, RecordedNamesAreCodePage932) {
  const std::string utf8 = "背景.bmp";
  const TTextConversion cp932 = Utf8ToCp932(utf8);
  ASSERT_TRUE(cp932.Ok);
  ASSERT_NE(cp932.Text, utf8);
  WriteBmp(utf8, Quarters(12, 12));
  EXPECT_TRUE(Background.LoadBackground(cp932.Text));
  EXPECT_EQ(Background.Picture().size(), QSize(12, 12));
  // Bytes that are no code page 932 text name no file.
  EXPECT_EQ(KindOf(Background.Load("\x81\x20.bmp")), TLoadKind::Missing);
}

}  // namespace
}  // namespace mirel
