#pragma once
// Composes the canvas again and again as a drawing changes step by step,
// redrawing only from the first figure that differs from the last
// composition: what lies below it comes from pictures kept of the canvas
// after every so many figures, and after all of them. The pixels are those
// of ComposeCanvas.
#include <QImage>
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
  struct TDrawn {
    const TFigItem* Item;
    std::uint64_t Fingerprint;
    friend bool operator==(const TDrawn&, const TDrawn&) = default;
  };

  std::vector<TLayer> layers_;  // by Figures, layers_[0] the background alone
  TLayer top_;                  // after all figures drawn last time
  std::vector<TDrawn> drawn_;
  std::vector<TDrawn> current_;
  qint64 backgroundKey_ = 0;
};

}  // namespace mirel
