// Printing the canvas: the page a printer gets and the PDF that
// `render -o OUT.pdf` writes, rasterised by pdftoppm, hold the picture as
// `render` makes it, scaled to fit, centred, in colour, on a landscape page.
#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "batch/batch_run.h"
#include "batch/batch_drawing.h"
#include "export/canvas_page.h"
#include "render/gui_environment.h"

namespace mirel {
namespace {

QImage Rasterised(const QString& pdf) {
  const QString program = QStandardPaths::findExecutable("pdftoppm");
  if (program.isEmpty()) {
    ADD_FAILURE() << "pdftoppm is missing: scripts/install-deps.sh installs poppler-utils";
    return {};
  }
  QProcess pdftoppm;
  pdftoppm.start(program, {"-r", "60", "-png", "-singlefile", pdf, pdf + "-page"});
  EXPECT_TRUE(pdftoppm.waitForFinished(60000));
  return QImage(pdf + "-page.png").convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel that is not white.
QRect Inked(const QImage& page) {
  QRect box;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (page.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Mean difference per channel between two pictures of the same size.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

TEST(CanvasPage, PicturesFitCentredWithTheirProportions) {
  const QRect area(10, 20, 1000, 600);
  EXPECT_EQ(CanvasPlacement({640, 480}, area), QRect(110, 20, 800, 600));
  EXPECT_EQ(CanvasPlacement({640, 480}, QRect(0, 0, 640, 1000)), QRect(0, 260, 640, 480));
  EXPECT_EQ(CanvasPlacement({640, 480}, QRect(0, 0, 320, 240)), QRect(0, 0, 320, 240));
  EXPECT_TRUE(CanvasPlacement({0, 0}, area).isEmpty());
  EXPECT_EQ(CanvasPageLayout().orientation(), QPageLayout::Landscape);
}

TEST(CanvasPage, ThePrintedPageAndTheRenderedPdfHoldTheRenderedPictureCentred) {
  QTemporaryDir dir;
  const QString png = dir.filePath("garden.png");
  const QString rendered = dir.filePath("garden.pdf");
  ASSERT_EQ(test::RunBatch({"render", "garden.mrl", "-o", png}).ExitCode, 0);
  ASSERT_EQ(test::RunBatch({"render", "garden.mrl", "-o", rendered}).ExitCode, 0);
  const QImage picture(png);
  ASSERT_EQ(picture.size(), QSize(640, 480));

  // Printed as the window prints: the background picture and the figures over it.
  const QString printed = dir.filePath("printed.pdf");
  {
    TBatchDrawing drawing({MIREL_EXAMPLES});
    ASSERT_TRUE(drawing.Read(std::string(MIREL_EXAMPLES) + "/garden.mrl").Ok);
    drawing.RebuildTo(drawing.History.GetStepCount());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    printer.setPageLayout(CanvasPageLayout());
    printer.setColorMode(QPrinter::Color);
    ASSERT_TRUE(PaintCanvasPage(printer, drawing.Background.Picture(), drawing.FigList));
  }
  // The figures are shapes, not pixels: the text can be read off the page.
  QProcess text;
  text.start("pdftotext", {rendered, "-"});
  ASSERT_TRUE(text.waitForFinished(60000));
  EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains("はなばたけ"));
  const QImage printedPage = Rasterised(printed);
  const QImage renderedPage = Rasterised(rendered);
  ASSERT_FALSE(printedPage.isNull());
  EXPECT_GT(printedPage.width(), printedPage.height()) << "landscape";
  ASSERT_EQ(printedPage.size(), renderedPage.size());
  EXPECT_LT(MeanDifference(printedPage, renderedPage), 1.0) << "render -o OUT.pdf gives the printed page";

  const QRect box = Inked(printedPage);
  // Centred (to a pixel of rounding), and 4:3.
  EXPECT_NEAR(box.left(), printedPage.width() - 1 - box.right(), 2);
  EXPECT_NEAR(box.top(), printedPage.height() - 1 - box.bottom(), 2);
  EXPECT_NEAR(static_cast<double>(box.width()) / box.height(), 4.0 / 3.0, 0.02);
  // Filling the page's height between its margins.
  EXPECT_GT(box.height(), printedPage.height() * 8 / 10);
  // The picture itself, scaled.
  const QImage scaled = picture.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
  EXPECT_LT(MeanDifference(printedPage.copy(box), scaled), 12.0);
}

}  // namespace
}  // namespace mirel
