#include "export/canvas_page.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <span>

#include "export/picture_file.h"

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

bool PaintCanvasPage(QPagedPaintDevice& device, const QImage& canvas) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The painter's origin is the printable area's corner.
  const QRect area(0, 0, device.width(), device.height());
  painter.drawImage(CanvasPlacement(canvas.size(), area), canvas);
  return painter.end();
}

TResult<> SaveCanvasPdf(const QImage& canvas, const std::string& path) {
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(CanvasPageLayout());
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Mirel"));
    if (!PaintCanvasPage(writer, canvas)) {
      return TResult<>::Failed("ファイルにかきだせませんでした: " + path, "cannot paint the PDF page of " + path);
    }
  }
  return WritePictureFile(std::span(reinterpret_cast<const unsigned char*>(pdf.constData()),
                                    static_cast<std::size_t>(pdf.size())),
                          path, {});
}

}  // namespace mirel
