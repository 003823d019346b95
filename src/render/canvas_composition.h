#pragma once
// The canvas as a repaint composes it: background, figures back to front,
// selection mark.
#include <QImage>

#include "model/fig_data.h"
#include "render/surface.h"

namespace mirel {

// Copies the top-left canvas-sized part of `background` (white where the
// picture does not reach) onto the whole of `backBuffer`.
void CopyBackground(TSurface& backBuffer, const QImage& background);

// Composes the canvas into `backBuffer`: the background, every figure of
// `figures` in list order in copy mode (leaving out those that others paint
// over, which changes no pixel), then the selection mark of `selected`
// when there is one. The window copies the result to the visible canvas;
// the picture exports write it.
void ComposeCanvas(TSurface& backBuffer, const QImage& background, const TFigList& figures,
                   const TFigItem* selected);

}  // namespace mirel
