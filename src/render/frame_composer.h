#pragma once
// Composes the canvas again and again as a drawing changes step by step,
// redrawing only what changed since the last composition: figures added in
// front are drawn over the last picture; a figure moved, changed, deleted or
// reordered is redrawn with everything that overlaps it, within the area it
// covered and covers; larger changes redraw the canvas. Figures that others
// paint over are left out. The pixels are those of ComposeCanvas.
#include <QImage>
#include <QRegion>
#include <cstdint>
#include <vector>

#include "model/fig_data.h"
#include "render/canvas_damage.h"
#include "render/canvas_keyframes.h"
#include "render/drag_layers.h"
#include "render/figure_spans.h"
#include "render/surface.h"
#include "render/visible_figures.h"

namespace mirel {

// Identifies what drawing a figure shows: equal figures give equal values.
std::uint64_t FigureFingerprint(const TFigData& figure);

class TFrameComposer {
 public:
  // As ComposeCanvas: background, figures back to front, the selection mark.
  void Compose(TSurface& backBuffer, const QImage& background, const TFigList& figures,
               const TFigItem* selected);
  // The same after rebuilds that told `damage` all they changed since the
  // last composition by this composer: only that is redrawn, with no need
  // to compare the figures. A rebuild that started afresh is composed from
  // the canvas of a step near it, the last one or one kept, redrawing what
  // the steps between changed. `damage` is then cleared.
  void ComposeChanged(TSurface& backBuffer, const QImage& background, const TFigList& figures,
                      const TFigItem* selected, TCanvasDamage& damage);
  // The next composition draws everything.
  void Forget();
  // The steps will only be composed forward, each after the one before: no
  // canvases are kept for steps far from the last one (up to 115 MB).
  void ComposeForwardOnly() { keepCanvases_ = false; }

 private:
  // What a figure shows is all that counts: after a rebuild the figures are
  // new copies, but the same figures draw the same pixels.
  struct TDrawn {
    const TFigItem* Item;
    std::uint64_t Fingerprint;
    QRect Box;  // DrawnBounds of the figure
    bool operator==(const TDrawn& o) const { return Fingerprint == o.Fingerprint; }
  };

  // The area to redraw when only a few figures changed, or an empty one
  // when the change is too large for that.
  QRegion ChangedArea() const;
  // The background and the figures that show within `area`, over the last
  // composition.
  void RedrawArea(TSurface& backBuffer, const QRegion& area);
  void RedrawAll(TSurface& backBuffer);
  void Placed();
  // A new background is copied in; whether it is one.
  bool NewBackground(TSurface& backBuffer, const QImage& background);
  // Brings back the last composition when a selection mark lies over it.
  void Unmark(TSurface& backBuffer);
  void Finish(TSurface& backBuffer, const TFigItem* selected);
  // Composes the step `damage` shows from the canvas of a step near it;
  // false when there is none. `shown`: whether the back buffer holds the
  // last composition over this background.
  bool FromNearStep(TSurface& backBuffer, const TFigList& figures, TCanvasDamage& damage, bool shown);
  void RedrawFigures(TSurface& backBuffer, const TFigList& figures, const QRegion& area, TCanvasDamage& damage);
  // Redraws the area of the one figure changed from the layers around it,
  // made when the same figure changed alone in the last composition too;
  // false when there are none.
  bool FromLayers(TSurface& backBuffer, const TFigList& figures, TCanvasDamage& damage);

  QImage base_;  // the background alone, canvas-sized
  QImage top_;   // the last composition, when a mark was drawn over it
  bool marked_ = false;
  bool composed_ = false;
  // drawn_ holds the figures of the last composition (a composition from
  // damage leaves them unknown).
  bool fingerprinted_ = false;
  std::vector<TDrawn> drawn_;
  std::vector<TDrawn> current_;
  std::vector<TPlacedFigure> placed_;
  qint64 backgroundKey_ = 0;
  // The step the last composition showed (-1: none), of which history.
  std::int32_t shownStep_ = -1;
  std::uint64_t shownHistory_ = 0;
  TCanvasKeyframes keyframes_;
  bool keepCanvases_ = true;
  TFigureSpans spans_;
  TDragLayers layers_;
  // The figure changed alone in the last composition that changed any.
  const TFigData* lastOnly_ = nullptr;
  // The figure whose layers could not be made (a figure in front blends).
  const TFigData* unlayered_ = nullptr;
};

}  // namespace mirel
