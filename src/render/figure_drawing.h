#pragma once
// Figure records turned into pixels on a surface.
#include <QRect>
#include <vector>

#include "model/fig_data.h"
#include "render/surface.h"

namespace mirel {

// Draws one figure moved by `offset`. Sets the surface's pen, brush and (for
// texts) font from the figure first and leaves them so.
void DrawFigure(const TFigData& figure, TSurface& surface, TPoint offset, TPenMode mode);

// Draws a stamp's contents moved by `offset`, always in copy mode; inner
// stamps add their own Start. The surface keeps the attributes of the last
// figure drawn.
void DrawStamp(const TFigList& contents, TSurface& surface, TPoint offset);

// A rectangle that holds every pixel DrawFigure(figure, offset) can touch
// (generous, never too small), within a wide margin around the canvas.
QRect DrawnBounds(const TFigData& figure, TPoint offset = {});

// Boxes of pixels that DrawFigure(figure) in copy mode surely paints with
// an opaque colour, whatever lay beneath, top to bottom: the inside of a
// filled rectangle, and of a filled ellipse in boxes of `rows` rows
// starting at multiples of `rows` (its inscribed rectangle alone is two
// thirds of it); none for other figures.
void OpaqueInterior(const TFigData& figure, int rows, std::vector<QRect>& boxes);

// A dotted not-xor outline 3 pixels outside the figure's corners; drawing it
// a second time erases it.
void DrawSelectionMark(const TFigData& figure, TSurface& surface);

}  // namespace mirel
