#include "history/action_recorder.h"

#include <limits>
#include <utility>

namespace mirel {
namespace {

std::int64_t Width(const TFigData& figure) {
  return std::int64_t{figure.End.X} - figure.Start.X;
}

std::int64_t Height(const TFigData& figure) {
  return std::int64_t{figure.End.Y} - figure.Start.Y;
}

// Whether the points of two point lists lie the same way relative to their
// first point: moving keeps it, reshaping does not.
bool SamePointShape(const TPointData& a, const TPointData& b) {
  if (a.GetCount() != b.GetCount()) return true;  // not one figure's resize: no shape to compare
  for (std::int32_t i = 1; i < a.GetCount(); ++i) {
    if (WrapSub(a.Point(i).X, a.Point(0).X) != WrapSub(b.Point(i).X, b.Point(0).X) ||
        WrapSub(a.Point(i).Y, a.Point(0).Y) != WrapSub(b.Point(i).Y, b.Point(0).Y)) {
      return false;
    }
  }
  return true;
}

// Whether the figure's size differs from the snapshot's. A snapshot of a
// point-list figure takes the bounds of its points as corners, so a figure
// turned over and back can show the snapshot's width with other points.
bool Resized(const TFigData& figure, const TFigData& snapshot) {
  if (Width(figure) != Width(snapshot) || Height(figure) != Height(snapshot)) return true;
  return IsPointListTool(figure.DrawingTool) && figure.PointData && snapshot.PointData &&
         !SamePointShape(*figure.PointData, *snapshot.PointData);
}

}  // namespace

TActionRecorder::TActionRecorder(THistoryList& history, TInternalLog& log, TClock clock)
    : history_(history), log_(log), clock_(std::move(clock)) {}

void TActionRecorder::Finish(TActionItem& record) {
  log_.LogAction(record.Data);
  if (OnRecorded) OnRecorded();
}

TActionItem* TActionRecorder::RecordCreation(TActionKind kind, TFigItem* item) {
  if (!item) return nullptr;
  TActionItem* record = history_.AddAction(item->Data);
  CommitPendingResize();
  record->Data.TargetType = kind;
  record->Data.TargetID = history_.TakeFigureID();
  history_.Links.Link(record->Data, &item->Data);
  history_.Links.SetSizeRecord(&item->Data, record->Data);
  StampTime(record->Data);
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordEdit(TActionKind kind, const TFigItem* item) {
  const bool aboutFigure = kind == TActionKind::Move || kind == TActionKind::Delete ||
                           kind == TActionKind::Front || kind == TActionKind::Back;
  if (aboutFigure && !item) return nullptr;
  const TFigData* figure = item ? &item->Data : nullptr;
  TActionItem* record =
      kind == TActionKind::Move ? history_.AddAction(item->Data) : history_.AddBlankAction();
  // The delete command and the clear menus commit before figures leave the
  // drawing; a figure already gone cannot be measured, so its resize is dropped.
  const bool pendingGone = kind == TActionKind::ClearDrawing || kind == TActionKind::ClearAll ||
                           (kind == TActionKind::Delete && pendingFig_ == figure);
  if (pendingFig_ && pendingGone) ResetPending();
  CommitPendingResize();
  record->Data.TargetType = kind;
  StampTime(record->Data);
  if (aboutFigure) FindFigureID(*record, figure);
  if (kind == TActionKind::Move) {
    history_.Links.Link(record->Data, figure);
    history_.Links.SetSizeRecord(figure, record->Data);
  }
  // The deleted figure leaves the drawing right after its record; the clear
  // menus empty it.
  if (kind == TActionKind::Delete) history_.Links.UnlinkFigure(figure);
  if (kind == TActionKind::ClearDrawing || kind == TActionKind::ClearAll) history_.Links.UnlinkAll();
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordChange(TActionKind kind, TParameter parameter, const TFigItem* item) {
  if (!item) return nullptr;
  TActionItem* record = history_.AddAction(item->Data);
  CommitPendingResize();
  record->Data.TargetType = kind;
  record->Data.Parameter = parameter;
  StampTime(record->Data);
  FindFigureID(*record, &item->Data);
  history_.Links.Link(record->Data, &item->Data);
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordTextChange(const TFigItem* item) {
  if (!item) return nullptr;
  TActionItem* record = history_.AddAction(item->Data);
  record->Data.TargetType = TActionKind::Change;
  record->Data.Parameter = TParameter::Text;
  StampTime(record->Data);
  FindFigureID(*record, &item->Data);
  history_.Links.Link(record->Data, &item->Data);
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordFileAction(TActionKind kind, const std::string& fileName) {
  TActionItem* record = history_.AddBlankAction();
  CommitPendingResize();
  record->Data.TargetType = kind;
  record->Data.FileName = fileName;
  StampTime(record->Data);
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordBranch(std::int32_t step) {
  TActionItem* record = history_.AddBlankAction();
  record->Data.TargetType = TActionKind::Branch;
  record->Data.TargetID = step;
  StampTime(record->Data);
  Finish(*record);
  return record;
}

void TActionRecorder::CommitSizeChange() {
  const TFigData* figure = pendingFig_;
  ResetPending();
  // A figure in the drawing is always linked from at least its creating
  // record; without one there is no ID to record the change under.
  const TActionData* linked = history_.Links.Newest(figure);
  if (!linked) return;
  const TActionData* reference = history_.Links.SizeRecord(figure);
  if (!reference) reference = linked;
  if (!Resized(*figure, reference->FigData)) return;

  TActionItem* record = history_.AddAction(*figure);
  record->Data.TargetType = TActionKind::Change;
  record->Data.Parameter = TParameter::Size;
  record->Data.TargetID = linked->TargetID;
  history_.Links.Link(record->Data, figure);
  history_.Links.SetSizeRecord(figure, record->Data);
  StampTime(record->Data);
  Finish(*record);
}

void TActionRecorder::CommitPendingResize() {
  if (pendingFig_) CommitSizeChange();
}

void TActionRecorder::MarkPendingResize(const TFigItem* item) {
  if (!item) return;
  if (pendingFig_ && pendingFig_ != &item->Data) CommitSizeChange();
  pendingFig_ = &item->Data;
}

void TActionRecorder::ResetPending() {
  pendingFig_ = nullptr;
  stampResizeBase_ = nullptr;
}

void TActionRecorder::FindFigureID(TActionItem& record, const TFigData* figure) const {
  if (const TActionData* found = history_.Links.Newest(figure)) record.Data.TargetID = found->TargetID;
}

void TActionRecorder::StampTime(TActionData& record) const {
  const TLocalTime now = clock_();
  TActionTime& t = record.ActionTime;
  t.Minute = static_cast<std::uint8_t>(now.Minute);
  t.Hour = static_cast<std::uint8_t>(now.Hour);
  t.Second = static_cast<std::uint8_t>(now.Second);
  t.Hundredths = static_cast<std::uint8_t>(now.Millisecond / 10);
  t.Year = now.Year;
  t.Month = static_cast<std::int8_t>(now.Month);
  t.Day = static_cast<std::int8_t>(now.Day);
}

}  // namespace mirel
