#pragma once
// Which parts of the canvas the figures in front already paint over, in
// small square cells, so that a figure hidden behind them need not be
// drawn at all.
#include <QRect>
#include <array>

#include "model/geometry.h"

namespace mirel {

class TCoverGrid {
 public:
  // Nothing painted over yet; only the pixels of `area` (within the
  // canvas) are of interest.
  explicit TCoverGrid(const QRect& area);

  // Whether every pixel of `box` inside the area is painted over.
  bool Hides(const QRect& box) const;
  // The cells lying wholly inside `opaque` become painted over.
  void Cover(const QRect& opaque);
  // Whether the whole area is painted over: nothing further back shows.
  bool Full() const { return open_ == 0; }

  // The side of a cell: finer cells count more of each figure's inside
  // (with cells of 8 pixels, composing the last step of the 100,000-step
  // mixed drawing drew 8,824 figures; of 4, about 8,150).
  static constexpr int kCell = 4;

 private:
  static constexpr int kColumns = (CanvasWidth + kCell - 1) / kCell;
  static constexpr int kRows = (CanvasHeight + kCell - 1) / kCell;

  QRect area_;
  // The cells the area meets, and how many of them are still open.
  int left_ = 0, top_ = 0, right_ = -1, bottom_ = -1;
  int open_ = 0;
  std::array<bool, kColumns * kRows> covered_{};
};

}  // namespace mirel
