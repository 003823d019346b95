#include "render/cover_grid.h"

namespace mirel {

TCoverGrid::TCoverGrid(const QRect& area) : area_(area.intersected(QRect(0, 0, CanvasWidth, CanvasHeight))) {
  if (area_.isEmpty()) return;
  left_ = area_.left() / kCell;
  top_ = area_.top() / kCell;
  right_ = area_.right() / kCell;
  bottom_ = area_.bottom() / kCell;
  open_ = (right_ - left_ + 1) * (bottom_ - top_ + 1);
}

bool TCoverGrid::Hides(const QRect& box) const {
  const QRect seen = box.intersected(area_);
  if (seen.isEmpty()) return true;
  for (int row = seen.top() / kCell; row <= seen.bottom() / kCell; ++row) {
    const bool* cells = &covered_[static_cast<std::size_t>(row * kColumns)];
    for (int column = seen.left() / kCell; column <= seen.right() / kCell; ++column) {
      if (!cells[column]) return false;
    }
  }
  return true;
}

void TCoverGrid::Cover(const QRect& opaque) {
  const QRect inside = opaque.intersected(QRect(0, 0, CanvasWidth, CanvasHeight));
  if (inside.isEmpty()) return;
  // Whole cells only: from the first cell starting inside to the last
  // ending inside.
  const int firstColumn = (inside.left() + kCell - 1) / kCell;
  const int firstRow = (inside.top() + kCell - 1) / kCell;
  const int lastColumn = (inside.right() + 1) / kCell - 1;
  const int lastRow = (inside.bottom() + 1) / kCell - 1;
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
      bool& cell = covered_[static_cast<std::size_t>(row * kColumns + column)];
      if (cell) continue;
      cell = true;
      if (row >= top_ && row <= bottom_ && column >= left_ && column <= right_) --open_;
    }
  }
}

}  // namespace mirel
