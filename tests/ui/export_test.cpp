// The tool menu's exports: the clipboard, BMP and JPEG files and the series
// of every step, with a write that fails.
#include <QApplication>
#include <QClipboard>
#include <QImageReader>
#include <QTest>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "support/temp_folder.h"
#include "ui/form_fixture.h"
#include "text/picture_names.h"
#include "ui/paint_box.h"

namespace mirel::test {
namespace {

namespace fs = std::filesystem;

class TExportTest : public TFormTest {
 protected:
  // Relative picture names (backups, the series) land in the current folder,
  // which a completed file dialog sets.
  TTempFolder folder_{true};

  void SelectTheRectangle() {
    Click("SellectEditBtn");
    QTest::mouseClick(Find<TPaintBox>("PaintBox"), Qt::LeftButton, {}, QPoint(30, 30));
    ASSERT_NE(Editor().SelectedFig(), nullptr);
  }
  std::string Path(const char* name) { return (folder_ / name).string(); }
};

TEST_F(TExportTest, TheClipboardGetsTheCanvasWithItsMarks) {
  DrawRectangles(1);
  SelectTheRectangle();
  Choose("CaptureMenu");
  const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(copied, CanvasShot());
  bool marked = false;  // the mark's dotted top edge, 3 pixels above the rectangle
  for (int x = 7; x <= 53; ++x) marked |= copied.pixel(x, 7) != qRgb(255, 255, 255);
  EXPECT_TRUE(marked);
  EXPECT_EQ(History().GetStepCount(), 1);
}

TEST_F(TExportTest, BmpExportWritesTheCanvasWithoutMarksAndBacksUpTheOldFile) {
  DrawRectangles(1);
  SelectTheRectangle();
  User().Files = {Path("e.bmp"), Path("e.bmp")};
  Choose("Save2BMPMenu");
  const QImage written(QString::fromStdString(Path("e.bmp")));
  ASSERT_EQ(written.size(), QSize(640, 480));
  EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), CanvasShot());
  for (int x = 7; x <= 53; ++x) ASSERT_EQ(written.pixel(x, 7), qRgb(255, 255, 255)) << x;
  EXPECT_EQ(Editor().SelectedFig(), nullptr);
  Choose("Save2BMPMenu");
  EXPECT_TRUE(fs::exists(folder_ / "e.bak"));
  EXPECT_TRUE(User().Notices.empty());
}

TEST_F(TExportTest, JpegExportWritesAJpegFile) {
  DrawRectangles(1);
  User().Files = {Path("e.jpg")};
  Choose("Save2JPEGMenu");
  QImageReader reader(QString::fromStdString(Path("e.jpg")));
  EXPECT_EQ(reader.format(), "jpeg");
  EXPECT_EQ(reader.size(), QSize(640, 480));
}

TEST_F(TExportTest, AWriteErrorIsToldOnceNamingTheFile) {
  DrawRectangles(1);
  const std::string path = Path("missing-folder/e.bmp");
  User().Files = {path};
  Choose("Save2BMPMenu");
  ASSERT_EQ(User().Notices.size(), 1u);
  EXPECT_NE(User().Notices.front().find(path), std::string::npos) << User().Notices.front();
  EXPECT_TRUE(Form().isEnabled());
}

TEST_F(TExportTest, TheSeriesWritesEveryStepAndGivesTheWindowBack) {
  DrawRectangles(3);
  User().Files = {Path("s.jpg")};
  Choose("SaveAllProcessMenu");
  for (const char* frame : {"s001.jpg", "s002.jpg", "s003.jpg"}) EXPECT_TRUE(fs::exists(folder_ / frame)) << frame;
  EXPECT_FALSE(fs::exists(folder_ / "s.jpg"));
  EXPECT_TRUE(Form().isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(User().Notices.empty());
}

TEST_F(TExportTest, ASeriesThatFailsStopsThereAndGivesTheWindowBack) {
  DrawRectangles(3);
  fs::create_directory(folder_ / "s002.jpg");  // a folder cannot be written as a picture
  User().Files = {Path("s.jpg")};
  Choose("SaveAllProcessMenu");
  EXPECT_TRUE(fs::exists(folder_ / "s001.jpg"));
  EXPECT_FALSE(fs::exists(folder_ / "s003.jpg"));
  ASSERT_EQ(User().Notices.size(), 1u);
  EXPECT_NE(User().Notices.front().find("s002.jpg"), std::string::npos) << User().Notices.front();
  EXPECT_TRUE(Form().isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The user presses やめる once the progress dialog has counted `frames` and
// `ready` holds. The dialog counts frames handed to the writers, which may
// not be on the disk yet.
void CancelAfter(TMirelForm& form, int frames, std::function<bool()> ready = [] { return true; }) {
  auto* timer = new QTimer(&form);
  QObject::connect(timer, &QTimer::timeout, timer, [&form, timer, frames, ready] {
    auto* dialog = form.findChild<QProgressDialog*>(QStringLiteral("ProgressDialog"));
    if (!dialog || dialog->value() < frames || !ready()) return;
    QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
    timer->deleteLater();
  });
  timer->start(0);
}

TEST_F(TExportTest, LongExportsShowProgressAndACancelLeavesOnlyWholeFiles) {
  DrawRectangles(40);
  Form().SetProgressDelay(0);
  // Frames are put in place in order: the fourth there means the first three too.
  CancelAfter(Form(), 5, [this] { return fs::exists(folder_ / "s004.jpg"); });
  User().Files = {Path("s.jpg")};
  Choose("SaveAllProcessMenu");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_.Path())) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  ASSERT_GE(names.size(), 4u);
  ASSERT_LT(names.size(), 40u);
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(names[i], SeriesFrameName("s.jpg", static_cast<int>(i) + 1));
    EXPECT_EQ(QImageReader(QString::fromStdString(Path(names[i].c_str()))).read().size(), QSize(640, 480));
  }
  CancelAfter(Form(), 5);
  User().Files = {Path("v.mp4")};
  Choose("SaveMovieMenu");
  EXPECT_FALSE(fs::exists(folder_ / "v.mp4"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), {}), static_cast<long>(names.size()));
  EXPECT_TRUE(User().Notices.empty());
  EXPECT_EQ(Form().findChild<QProgressDialog*>(), nullptr);
  EXPECT_TRUE(Form().isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(Steps(), 40);
}

TEST_F(TExportTest, TheVideoItemWritesAVideoOfTheMaking) {
  DrawRectangles(3);
  User().Files = {Path("v.mp4")};
  Choose("SaveMovieMenu");
  ASSERT_EQ(User().Dialogs.back(), TFileDialog::SaveVideo);
  std::ifstream video(folder_ / "v.mp4", std::ios::binary);
  std::string head(8, '\0');
  video.read(head.data(), 8);
  EXPECT_EQ(head.substr(4), "ftyp");  // an MP4 file
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), {}), 1);
  EXPECT_TRUE(User().Notices.empty());
}

}  // namespace
}  // namespace mirel::test
