// The editing commands on the drawing: each changes the figures through the
// effects replay uses, then writes its one record.
#include "editor/document.h"
#include "model/fig_ops.h"
#include "replay/edit_effects.h"

namespace mirel {

TFigItem* TDocument::AddFigure(const TFigData& figure) {
  TFigItem* item = AddCopy(figList_, figure);
  Added(item->Data);
  recorder_.RecordCreation(TActionKind::Create, item);
  return item;
}

TFigItem* TDocument::DuplicateSelected() {
  if (!selected_) return nullptr;
  TFigItem* copy = DuplicateFig(figList_, selected_);
  OffsetFig(copy->Data, 20, 20);
  Added(copy->Data);
  selected_ = copy;
  recorder_.RecordCreation(TActionKind::Duplicate, copy);
  return copy;
}

void TDocument::DeleteSelected() {
  if (TFigItem* item = selected_) {
    CommitPendingResize();
    // The record names the figure while it is still in the drawing; only
    // then does it leave.
    recorder_.RecordEdit(TActionKind::Delete, item);
    if (changes_) changes_->Leaving(item->Data);
    DeleteFigure(figList_, deletedFigList_, item);
  }
  selected_ = nullptr;
}

TFigItem* TDocument::UndoDelete() {
  TFigItem* restored = RestoreNewestDeleted(figList_, deletedFigList_);
  if (!restored) return nullptr;
  Added(restored->Data);
  recorder_.RecordCreation(TActionKind::Undo, restored);
  return restored;
}

TEditOutcome TDocument::ReorderSelected(bool front) {
  if (!selected_) return TEditOutcome::Unchanged;
  int refused = 0;
  ChangeShown(selected_->Data, [&] { refused = front ? MoveFront(figList_, selected_) : MoveBack(figList_, selected_); });
  if (refused != 0) return front ? TEditOutcome::NoFurtherFront : TEditOutcome::NoFurtherBack;
  recorder_.RecordEdit(front ? TActionKind::Front : TActionKind::Back, selected_);
  return TEditOutcome::Done;
}

TEditOutcome TDocument::ChangeSelectedColor(TParameter which, TColor color) {
  if (!selected_) return TEditOutcome::Unchanged;
  TFigData& figure = selected_->Data;
  if (figure.DrawingTool == dtStamp) return TEditOutcome::StampUnchangeable;
  if (color == clBtnFace && which == TParameter::LineColor) return TEditOutcome::NoFillForLine;
  if (color == clBtnFace && which == TParameter::TextColor) return TEditOutcome::NoFillForText;
  if (which == TParameter::TextColor && figure.DrawingTool != dtText) return TEditOutcome::Unchanged;
  if (AttributeOf(figure, which) == color) return TEditOutcome::Unchanged;
  ChangeShown(figure, [&] { SetAttribute(figure, which, color); });
  recorder_.RecordChange(TActionKind::Change, which, selected_);
  return TEditOutcome::Done;
}

TEditOutcome TDocument::ChangeSelectedPenWidth(std::int32_t by) {
  if (!selected_) return TEditOutcome::Unchanged;
  TFigData& figure = selected_->Data;
  if (figure.DrawingTool == dtStamp) return TEditOutcome::StampUnchangeable;
  if (by > 0 && figure.PenWidth >= 30) return TEditOutcome::NoThicker;
  if (by < 0 && figure.PenWidth <= 1) return TEditOutcome::NoThinner;
  ChangeShown(figure, [&] { SetAttribute(figure, TParameter::LineWidth, std::int64_t{figure.PenWidth} + by); });
  recorder_.RecordChange(TActionKind::Change, TParameter::LineWidth, selected_);
  return TEditOutcome::Done;
}

bool TDocument::ChangeSelectedText(const std::string& cp932Text, TPoint end) {
  if (!selected_ || selected_->Data.DrawingTool != dtText) return false;
  TFigData& figure = selected_->Data;
  ChangeShown(figure, [&] { SetText(figure, cp932Text, figure.Start, end); });
  recorder_.RecordTextChange(selected_);
  return true;
}

void TDocument::DragSelected(std::int32_t dx, std::int32_t dy) {
  if (selected_) ChangeShown(selected_->Data, [&] { OffsetFig(selected_->Data, dx, dy); });
}

void TDocument::RecordMoveOfSelected() {
  if (selected_) recorder_.RecordEdit(TActionKind::Move, selected_);
}

void TDocument::ResizeSelected(const TResizeBase& base, TAxis axis, std::int32_t position,
                               const TTextWidth& textWidth) {
  if (!selected_) return;
  ChangeShown(selected_->Data, [&] { ResizeFigure(selected_->Data, base, axis, position, textWidth); });
  recorder_.MarkPendingResize(selected_);
}

void TDocument::RecordClear(TActionKind kind) { recorder_.RecordEdit(kind); }

void TDocument::RecordBackground(const std::string& cp932Name) {
  recorder_.RecordFileAction(TActionKind::ReadBG, cp932Name);
}

void TDocument::ResumeFrom(std::int32_t step) {
  history_.ClearLinksAfter(history_.StepItem(step));
  recorder_.RecordBranch(step);
}

}  // namespace mirel
