// Selecting and dragging figures with the selection tool in editing mode.
#include "editor/editor.h"
#include "model/fig_ops.h"

namespace mirel {

TFigItem* TEditor::HitTest(TPoint p) const {
  const TFigList& figures = doc_.Figures();
  for (TFigItem* item = figures.GetTail(); item != figures.GetHead(); item = item->Prev()) {
    if (InBox(item->Data.Start, item->Data.End, p)) return item;
  }
  return nullptr;
}

void TEditor::EditPress(TPoint p) {
  if (mode_ != mdEdit) return;
  TFigItem* hit = HitTest(p);
  if (!hit) {
    markedFig_ = nullptr;
    doc_.Select(nullptr);
    Repaint();
    return;
  }
  dragAnchor_ = dragStart_ = p;
  dragging_ = true;
  doc_.Select(hit);
  markedFig_ = hit;
  Repaint();
}

void TEditor::EditMove(TPoint q) {
  if (mode_ != mdEdit) return;
  // A track-bar resize is recorded as soon as the pointer moves over the canvas.
  doc_.CommitPendingResize();
  if (!dragging_ || !doc_.Selected()) return;
  doc_.DragSelected(WrapSub(q.X, dragAnchor_.X), WrapSub(q.Y, dragAnchor_.Y));
  dragAnchor_ = q;
  Repaint();
}

void TEditor::EditRelease(TPoint r) {
  if (mode_ != mdEdit) return;
  dragging_ = false;
  // The release renews the resize base and sets both bars to 0 in any case.
  CaptureResizeBase();
  if (r != dragStart_) doc_.RecordMoveOfSelected();
}

}  // namespace mirel
