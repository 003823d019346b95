#include "render/canvas_composition.h"

#include <QPainter>
#include <cstring>

#include "render/figure_drawing.h"

namespace mirel {

void CopyBackground(TSurface& backBuffer, const QImage& background) {
  QImage& target = backBuffer.MutableImage();
  if (background.format() == target.format() && background.size() == target.size() &&
      background.bytesPerLine() == target.bytesPerLine()) {
    // The common case, a canvas-sized picture: one block copy.
    std::memcpy(target.bits(), background.constBits(), static_cast<std::size_t>(target.sizeInBytes()));
    return;
  }
  target.fill(Qt::white);
  if (background.isNull()) return;
  QPainter painter(&target);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(0, 0), background, background.rect().intersected(target.rect()));
}

void ComposeCanvas(TSurface& backBuffer, const QImage& background, const TFigList& figures,
                   const TFigItem* selected) {
  CopyBackground(backBuffer, background);
  for (const TFigItem* item = figures.GetNext(figures.GetHead()); item; item = item->Next()) {
    DrawFigure(item->Data, backBuffer, TPoint{}, TPenMode::Copy);
  }
  if (selected) DrawSelectionMark(selected->Data, backBuffer);
}

}  // namespace mirel
