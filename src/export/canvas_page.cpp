#include "export/canvas_page.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <span>

#include "export/picture_file.h"
#include "fileio/user_words.h"
#include "render/surface.h"
#include "render/visible_figures.h"

namespace mirel {

QPageLayout CanvasPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter);
}

QRect CanvasPlacement(QSize picture, const QRect& area) {
  if (picture.isEmpty() || area.isEmpty()) return {};
  const QSize fitted = picture.scaled(area.size(), Qt::KeepAspectRatio);
  return QRect(area.x() + (area.width() - fitted.width()) / 2, area.y() + (area.height() - fitted.height()) / 2,
               fitted.width(), fitted.height());
}

bool PaintCanvasPage(QPagedPaintDevice& device, const QImage& background, const TFigList& figures) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The painter's origin is the printable area's corner. One unit becomes
  // one canvas pixel, and nothing reaches past the canvas.
  const QRect canvas(0, 0, CanvasWidth, CanvasHeight);
  const QRect placed = CanvasPlacement(canvas.size(), QRect(0, 0, device.width(), device.height()));
  if (placed.isEmpty()) return painter.end();
  painter.translate(placed.topLeft());
  painter.scale(static_cast<double>(placed.width()) / canvas.width(),
                static_cast<double>(placed.height()) / canvas.height());
  painter.setClipRect(canvas);
  painter.fillRect(canvas, Qt::white);
  if (!background.isNull()) painter.drawImage(QPoint(0, 0), background, background.rect().intersected(canvas));
  TSurface page(painter, canvas.width(), canvas.height());
  DrawVisibleFigures(page, figures, canvas);
  return painter.end();
}

TResult<> SaveCanvasPdf(const QImage& background, const TFigList& figures, const std::string& path) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(CanvasPageLayout());
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Mirel"));
    if (!PaintCanvasPage(writer, background, figures)) {
      return TResult<>::Failed(std::string(msg::kFileNotWritten) + path, "cannot paint the PDF page of " + path);
    }
  }
  return WritePictureFile(std::span(reinterpret_cast<const unsigned char*>(pdf.constData()),
                                    static_cast<std::size_t>(pdf.size())),
                          path, {});
}

}  // namespace mirel
