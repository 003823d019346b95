// The window's canvas against mirel-batch's picture of the same drawing: the
// window and the headless program compose exactly the same pixels.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "ui/form_fixture.h"

namespace mirel::test {
namespace {

TEST_F(TFormTest, TheExampleDrawingLooksAsMirelBatchRendersIt) {
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  const QString rendered = out.filePath("garden.bmp");
  QProcess batch;
  batch.start(MIREL_BATCH_PROGRAM, {"render", MIREL_EXAMPLES "/garden.mrl", "--bg-dir", MIREL_EXAMPLES,
                                    "-o", rendered});
  ASSERT_TRUE(batch.waitForFinished(120000));
  ASSERT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();

  // Opened from its own folder, the drawing finds its background there
  // without asking anything.
  const QString previous = QDir::currentPath();
  QDir::setCurrent(MIREL_EXAMPLES);
  Form().FormCreate("garden.mrl");
  QDir::setCurrent(previous);
  EXPECT_EQ(User().Questions, std::vector<std::string>{});
  EXPECT_TRUE(User().Notices.empty());

  const QImage expected = QImage(rendered).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(expected.size(), QSize(640, 480));
  const QImage shown = CanvasShot();
  EXPECT_EQ(shown, expected);
  int differing = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) differing += shown.pixel(x, y) != expected.pixel(x, y);
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace mirel::test
