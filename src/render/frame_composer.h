#pragma once
// Composes the canvas again and again as a drawing changes step by step,
// redrawing only what changed since the last composition: figures added in
// front are drawn over the last picture; a figure moved, changed, deleted or
// reordered is redrawn with everything that overlaps it, within the area it
// covered and covers; larger changes redraw from the first figure changed,
// over pictures kept after every so many figures. The pixels are those of
// ComposeCanvas.
#include <QImage>
#include <QRegion>
#include <cstdint>
#include <vector>

#include "model/fig_data.h"
#include "render/surface.h"

namespace mirel {

// Identifies what drawing a figure shows: equal figures give equal values.
std::uint64_t FigureFingerprint(const TFigData& figure);

class TFrameComposer {
 public:
  // Figures between two kept pictures: a change deep in a large drawing
  // redraws at most this many figures below the first one changed.
  static constexpr std::size_t kLayerEvery = 64;

  // As ComposeCanvas: background, figures back to front, the selection mark.
  void Compose(TSurface& backBuffer, const QImage& background, const TFigList& figures,
               const TFigItem* selected);
  // The next composition draws everything.
  void Forget();

 private:
  struct TLayer {
    std::size_t Figures = 0;  // the picture after the first `Figures` figures
    QImage Picture;
  };
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
  void RedrawArea(TSurface& backBuffer, const QRegion& area);
  // Redraws from the highest kept picture not above the first change.
  void DrawFrom(TSurface& backBuffer);
  void KeepTop(TSurface& backBuffer);

  std::vector<TLayer> layers_;  // by Figures, layers_[0] the background alone
  TLayer top_;                  // after all figures drawn last time
  std::vector<TDrawn> drawn_;
  std::vector<TDrawn> current_;
  qint64 backgroundKey_ = 0;
};

}  // namespace mirel
