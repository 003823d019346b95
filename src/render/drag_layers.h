#pragma once
// While one figure changes again and again (dragged, resized), the canvas
// without it is kept in two layers: what lies behind it (the background and
// the figures behind it, composed) and the figures in front of it (their
// pixels over nothing). Each change then redraws its area from the layer
// behind, the figure and the layer in front, instead of every figure that
// meets the area: a drag step of a large figure in a 5,000-figure drawing
// filled the runs of some 2,400 figures every time. Two canvas-sized
// pictures (2.4 MB), made at the first use.
#include <QImage>
#include <QRegion>
#include <memory>
#include <vector>

#include "model/fig_data.h"
#include "render/surface.h"
#include "render/visible_figures.h"

namespace mirel {

class TFigureSpans;

class TDragLayers {
 public:
  // Whether the layers are those of `figure` over the background `background`,
  // in the same place in the drawing (the figures around it unchanged since,
  // as the composer sees to).
  bool For(const TFigData& figure, qint64 background) const;
  // Makes the layers of the figure of `item` of `figures` over `base` (the
  // background, canvas-sized, whose key is `background`); false, keeping
  // none, when a figure in front of it blends with what lies beneath.
  bool Make(const TFigList& figures, const TFigItem& item, const QImage& base, qint64 background,
            TFigureSpans& spans, const TBoundsOf& boundsOf, const TFingerprintOf& fingerprintOf);
  // Redraws `area` of `canvas`: the layer behind, the figure, the layer in
  // front.
  void Redraw(TSurface& canvas, const QRegion& area, TFigureSpans& spans, const TFingerprintOf& fingerprintOf);
  void Drop() { item_ = nullptr; }

 private:
  const TFigItem* item_ = nullptr;
  const TFigItem* behind_ = nullptr;  // the items next to it when made
  const TFigItem* ahead_ = nullptr;
  qint64 background_ = 0;
  std::unique_ptr<TSurface> back_;
  std::unique_ptr<TSurface> front_;  // transparent where no figure in front paints
  std::vector<const TFigData*> inFront_;
};

}  // namespace mirel
