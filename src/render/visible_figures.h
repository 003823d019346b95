#pragma once
// Drawing a list of figures without the ones that cannot show: those
// outside the area redrawn and those that figures in front paint over.
#include <QRegion>
#include <functional>
#include <span>

#include "model/fig_data.h"
#include "render/surface.h"

namespace mirel {

// A figure with the rectangle it can put pixels in (DrawnBounds).
struct TPlacedFigure {
  const TFigData* Figure;
  QRect Box;
};

// Draws `figures` in list order in copy mode, clipped to `area`, leaving
// out every figure that lies outside the area or that filled figures in
// front of it paint over: the pixels are those of drawing them all. The
// surface is not clipped when the area holds the whole canvas.
// `boundsOf` gives a figure's DrawnBounds (perhaps remembered); it is asked
// only for figures that something in front does not already hide. With
// `spans`, figures drawn before are filled from their kept pixels.
// `fingerprintOf`, with `spans`, gives a figure's FigureFingerprint (perhaps
// remembered). With `front`, only the figures from `front` backwards are
// drawn (none when it is the list's head).
using TBoundsOf = std::function<QRect(const TFigData&)>;
using TFingerprintOf = std::function<std::uint64_t(const TFigData&)>;
class TFigureSpans;
void DrawVisibleFigures(TSurface& surface, const TFigList& figures, const QRegion& area,
                        const TBoundsOf& boundsOf, TFigureSpans* spans = nullptr,
                        const TFingerprintOf& fingerprintOf = {}, const TFigItem* front = nullptr);
void DrawVisibleFigures(TSurface& surface, const TFigList& figures, const QRegion& area);
void DrawVisibleFigures(TSurface& surface, std::span<const TPlacedFigure> figures, const QRegion& area);

}  // namespace mirel
