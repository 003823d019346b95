#include "render/canvas_composition.h"

#include <QPainter>
#include <cstring>

#include "render/figure_drawing.h"
#include "render/visible_figures.h"

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
  DrawVisibleFigures(backBuffer, figures, QRect(0, 0, CanvasWidth, CanvasHeight));
  if (selected) DrawSelectionMark(selected->Data, backBuffer);
}

}  // namespace mirel
