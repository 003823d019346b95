#include "render/drag_layers.h"

#include "render/canvas_composition.h"
#include "render/figure_spans.h"

namespace mirel {
namespace {

const QRect kCanvas(0, 0, CanvasWidth, CanvasHeight);

}  // namespace

bool TDragLayers::For(const TFigData& figure, qint64 background) const {
  return item_ && &item_->Data == &figure && background == background_ && item_->Prev() == behind_ &&
         item_->Next() == ahead_;
}

bool TDragLayers::Make(const TFigList& figures, const TFigItem& item, const QImage& base, qint64 background,
                       TFigureSpans& spans, const TBoundsOf& boundsOf, const TFingerprintOf& fingerprintOf) {
  item_ = nullptr;
  inFront_.clear();
  for (const TFigItem* i = figures.GetTail(); i != &item; i = i->Prev()) inFront_.push_back(&i->Data);
  if (!front_) {
    back_ = std::make_unique<TSurface>(CanvasWidth, CanvasHeight);
    front_ = std::make_unique<TSurface>(CanvasWidth, CanvasHeight);
    front_->MutableImage() = QImage(CanvasWidth, CanvasHeight, QImage::Format_ARGB32_Premultiplied);
  }
  front_->MutableImage().fill(Qt::transparent);
  if (!spans.FillLayer(inFront_, *front_, fingerprintOf)) return false;
  CopyBackground(*back_, base);
  DrawVisibleFigures(*back_, figures, kCanvas, boundsOf, &spans, fingerprintOf, item.Prev());
  item_ = &item;
  behind_ = item.Prev();
  ahead_ = item.Next();
  background_ = background;
  return true;
}

void TDragLayers::Redraw(TSurface& canvas, const QRegion& area, TFigureSpans& spans,
                         const TFingerprintOf& fingerprintOf) {
  const QRegion seen = area.intersected(kCanvas);
  if (seen.isEmpty()) return;
  for (const QRect& r : seen) canvas.CopyRect(r, *back_, r);
  const TFigData* const figure = &item_->Data;
  canvas.SetClip(seen);
  spans.DrawAll({&figure, 1}, canvas, seen, false, fingerprintOf);
  canvas.ClearClip();
  // The figures in front paint only opaque pixels: where they paint, theirs
  // replace what lies beneath.
  const QImage& front = front_->Image();
  QImage& image = canvas.MutableImage();
  for (const QRect& r : seen) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      const auto* from = reinterpret_cast<const QRgb*>(front.constScanLine(y));
      auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = r.left(); x <= r.right(); ++x) {
        if (from[x] != 0) to[x] = from[x];
      }
    }
  }
}

}  // namespace mirel
