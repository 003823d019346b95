#include "render/visible_figures.h"

#include <vector>

#include "render/cover_grid.h"
#include "render/figure_drawing.h"
#include "render/figure_spans.h"
#include "render/split_drawing.h"

namespace mirel {
namespace {

// `nextFromFront(box)` gives the figures from the front backwards, each
// with its box, and none after the last.
template <class NextFromFront>
void DrawVisible(TSurface& surface, const QRegion& area, NextFromFront nextFromFront, TFigureSpans* spans = nullptr,
                 const TFingerprintOf& fingerprintOf = {}) {
  const QRect canvas(0, 0, CanvasWidth, CanvasHeight);
  const QRegion seen = area.intersected(canvas);
  if (seen.isEmpty()) return;
  const bool whole = seen.rectCount() == 1 && seen.boundingRect() == canvas;
  // Each figure is kept unless what is kept in front of it already paints
  // over all of it; once everything is painted over, nothing further back
  // shows and its bounds need not even be found.
  TCoverGrid grid(seen.boundingRect());
  std::vector<const TFigData*> shown;
  std::vector<QRect> opaque;
  QRect box;
  while (!grid.Full()) {
    const TFigData* figure = nextFromFront(box);
    if (!figure) break;
    if (grid.Hides(box) || (!whole && !seen.intersects(box))) continue;
    shown.push_back(figure);
    OpaqueInterior(*figure, TCoverGrid::kCell, opaque);
    for (const QRect& box : opaque) grid.Cover(box);
  }
  if (!whole) surface.SetClip(seen);
  if (spans) {
    spans->DrawAll(shown, surface, seen, whole, fingerprintOf);
  } else if (whole) {
    DrawBackToFront(shown, surface);
  } else {
    for (auto figure = shown.rbegin(); figure != shown.rend(); ++figure) {
      DrawFigure(**figure, surface, TPoint{}, TPenMode::Copy);
    }
  }
  if (!whole) surface.ClearClip();
}

}  // namespace

void DrawVisibleFigures(TSurface& surface, const TFigList& figures, const QRegion& area,
                        const TBoundsOf& boundsOf, TFigureSpans* spans, const TFingerprintOf& fingerprintOf,
                        const TFigItem* front) {
  const TFigItem* item = front ? front : figures.GetTail();
  DrawVisible(
      surface, area,
      [&](QRect& box) -> const TFigData* {
        if (!item || item == figures.GetHead()) return nullptr;
        const TFigData* figure = &item->Data;
        item = item->Prev();
        box = boundsOf(*figure);
        return figure;
      },
      spans, fingerprintOf);
}

void DrawVisibleFigures(TSurface& surface, const TFigList& figures, const QRegion& area) {
  DrawVisibleFigures(surface, figures, area, [](const TFigData& f) { return DrawnBounds(f); });
}

void DrawVisibleFigures(TSurface& surface, std::span<const TPlacedFigure> figures, const QRegion& area) {
  auto next = figures.rbegin();
  DrawVisible(surface, area, [&](QRect& box) -> const TFigData* {
    if (next == figures.rend()) return nullptr;
    box = next->Box;
    return (next++)->Figure;
  });
}

}  // namespace mirel
