#pragma once
// The canvas as composing it the plain way gives it: the background, then
// every figure in list order, none left out. Faster compositions are
// compared with it.
#include <QImage>

#include "render/canvas_composition.h"
#include "render/figure_drawing.h"

namespace mirel::test {

inline QImage DrawnLiterally(const TFigList& figures, const QImage& background) {
  TSurface surface(CanvasWidth, CanvasHeight);
  CopyBackground(surface, background);
  for (const TFigItem* i = figures.GetNext(figures.GetHead()); i; i = i->Next()) {
    DrawFigure(i->Data, surface, TPoint{}, TPenMode::Copy);
  }
  return surface.Image();
}

}  // namespace mirel::test
