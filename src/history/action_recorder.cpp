#include "history/action_recorder.h"

#include <limits>
#include <utility>

namespace mirel {
namespace {

// The most recent record at or before `from` whose live link is `figure`.
const TActionItem* FindLinkedRecord(const TActionItem* from, const TFigData* figure) {
  if (!figure) return nullptr;
  for (const TActionItem* item = from; item; item = item->Prev()) {
    if (item->Data.LiveFig == figure) return item;
  }
  return nullptr;
}

std::int64_t Width(const TFigData& figure) {
  return std::int64_t{figure.End.X} - figure.Start.X;
}

std::int64_t Height(const TFigData& figure) {
  return std::int64_t{figure.End.Y} - figure.Start.Y;
}

}  // namespace

TActionRecorder::TActionRecorder(THistoryList& history, TInternalLog& log, TClock clock)
    : history_(history), log_(log), clock_(std::move(clock)) {}

const TFigData* TActionRecorder::SelectedData() const {
  // Only the address is taken: after a Delete the item is gone but its
  // address still identifies the records made about it.
  return SelectedFig ? &SelectedFig->Data : nullptr;
}

void TActionRecorder::Finish(TActionItem& record) { log_.LogAction(record.Data); }

TActionItem* TActionRecorder::RecordCreation(TActionKind kind, TFigItem* item) {
  if (!item) return nullptr;
  TActionItem* record = history_.AddAction(item->Data);
  if (SizeChangePending) CommitSizeChange();
  record->Data.TargetType = kind;
  record->Data.TargetID = history_.NextFigureID;
  // A file may have set the counter to the top of the range; stay there
  // rather than overflow.
  if (history_.NextFigureID < std::numeric_limits<std::int32_t>::max()) ++history_.NextFigureID;
  record->Data.LiveFig = &item->Data;
  StampTime(record->Data);
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordEdit(TActionKind kind) {
  const bool aboutFigure = kind == TActionKind::Move || kind == TActionKind::Delete ||
                           kind == TActionKind::Front || kind == TActionKind::Back;
  if (aboutFigure && !SelectedFig) return nullptr;
  const TFigData* figure = SelectedData();
  TActionItem* record =
      kind == TActionKind::Move ? history_.AddAction(SelectedFig->Data) : history_.AddBlankAction();
  if (SizeChangePending) CommitSizeChange();
  record->Data.TargetType = kind;
  record->Data.LiveFig = kind == TActionKind::Move ? figure : nullptr;
  StampTime(record->Data);
  if (aboutFigure) FindFigureID(*record, figure);
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordChange(TActionKind kind, TParameter parameter) {
  if (!SelectedFig) return nullptr;
  TActionItem* record = history_.AddAction(SelectedFig->Data);
  if (SizeChangePending) CommitSizeChange();
  record->Data.TargetType = kind;
  record->Data.Parameter = parameter;
  record->Data.LiveFig = SelectedData();
  StampTime(record->Data);
  FindFigureID(*record, SelectedData());
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordTextChange() {
  if (!SelectedFig) return nullptr;
  TActionItem* record = history_.AddAction(SelectedFig->Data);
  record->Data.TargetType = TActionKind::Change;
  record->Data.Parameter = TParameter::Text;
  record->Data.LiveFig = SelectedData();
  StampTime(record->Data);
  FindFigureID(*record, SelectedData());
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordFileAction(TActionKind kind, const std::string& fileName) {
  TActionItem* record = history_.AddBlankAction();
  if (SizeChangePending) CommitSizeChange();
  record->Data.TargetType = kind;
  record->Data.FileName = fileName;
  record->Data.LiveFig = nullptr;
  StampTime(record->Data);
  Finish(*record);
  return record;
}

TActionItem* TActionRecorder::RecordBranch(std::int32_t step) {
  TActionItem* record = history_.AddBlankAction();
  record->Data.TargetType = TActionKind::Branch;
  record->Data.TargetID = step;
  record->Data.LiveFig = nullptr;
  StampTime(record->Data);
  Finish(*record);
  return record;
}

void TActionRecorder::CommitSizeChange() {
  const TFigData* figure = PendingFig;
  ResetPending();
  // A figure in the drawing is always linked from at least its creating
  // record; without one there is no ID to record the change under.
  const TActionItem* reference = FindLinkedRecord(history_.GetTail(), figure);
  if (!reference) return;
  const TFigData& snapshot = reference->Data.FigData;
  if (Width(*figure) == Width(snapshot) && Height(*figure) == Height(snapshot)) return;

  TActionItem* record = history_.AddAction(*figure);
  record->Data.TargetType = TActionKind::Change;
  record->Data.Parameter = TParameter::Size;
  record->Data.LiveFig = figure;
  record->Data.TargetID = reference->Data.TargetID;
  StampTime(record->Data);
  Finish(*record);
}

void TActionRecorder::MarkPendingResize() {
  const TFigData* figure = SelectedData();
  if (!figure) return;
  if (SizeChangePending && PendingFig != figure) CommitSizeChange();
  PendingFig = figure;
  SizeChangePending = true;
}

void TActionRecorder::ResetPending() {
  SizeChangePending = false;
  PendingFig = nullptr;
  StampResizeBase = nullptr;
}

void TActionRecorder::FindFigureID(TActionItem& record, const TFigData* figure) {
  if (const TActionItem* found = FindLinkedRecord(record.Prev(), figure)) {
    record.Data.TargetID = found->Data.TargetID;
  }
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
