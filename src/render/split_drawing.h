#pragma once
// Drawing many figures over the whole canvas on two cores: the figures in
// front are drawn on another thread into a layer of their own, laid over
// the others once both halves are drawn.
#include <span>

#include "model/fig_data.h"
#include "render/surface.h"

namespace mirel {

// Draws `frontFirst`, the figures from the front backwards, in copy mode on
// `surface` (canvas-sized, unclipped), with the pixels of drawing them back
// to front. The surface's drawing state afterwards is not that of the
// front figure.
void DrawBackToFront(std::span<const TFigData* const> frontFirst, TSurface& surface);

}  // namespace mirel
