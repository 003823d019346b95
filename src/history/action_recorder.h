#pragma once
// The recorders: every editing operation changes the figure list first and
// then calls exactly one of these, which appends the operation's record to
// the history, stamps it with the local time, and describes it in the log.
// They also hand out figure IDs, find the ID of the figure an edit concerns,
// and fold track-bar resizing into one deferred size record.
#include <cstdint>
#include <functional>

#include "history/action_data.h"
#include "history/clock.h"
#include "history/history_list.h"
#include "history/internal_log.h"

namespace mirel {

class TActionRecorder {
 public:
  TActionRecorder(THistoryList& history, TInternalLog& log, TClock clock = ReadLocalClock);

  // The figure a record is about is an item of the drawing's figure list. A
  // Delete is recorded while the figure is still in the list; the caller
  // takes it out right after.
  // The reference geometry of a stamp being resized; cleared with the
  // pending resize.
  const TFigData* StampResizeBase() const { return stampResizeBase_; }
  void SetStampResizeBase(const TFigData* base) { stampResizeBase_ = base; }

  // A figure of the drawing resized with the track bars whose size record
  // is not written yet; none when no resize is pending.
  bool SizeChangePending() const { return pendingFig_ != nullptr; }
  const TFigData* PendingFig() const { return pendingFig_; }

  // Called after each record is complete (the crash journal follows the
  // history with it). A record may complete after a later one: a creation
  // that commits a pending resize first finishes after the resize's record.
  std::function<void()> OnRecorded;

  // Each recorder returns the record it wrote, or none when there was
  // nothing to record (no figure to describe).

  // Create, Duplicate or Undo for the item that has just entered the drawing.
  TActionItem* RecordCreation(TActionKind kind, TFigItem* item);
  // Move, Delete, Front, Back (about `figure`), CleareBG, ClearDrawing,
  // ClearAll (about none). Delete unlinks the figure and the clear menus
  // every figure: the caller takes them out of the drawing next.
  TActionItem* RecordEdit(TActionKind kind, const TFigItem* figure = nullptr);
  // A changed attribute of `figure`.
  TActionItem* RecordChange(TActionKind kind, TParameter parameter, const TFigItem* figure);
  // A changed text of `figure`; never commits a pending resize.
  TActionItem* RecordTextChange(const TFigItem* figure);
  // ReadBG with the picture's path as the loading received it.
  TActionItem* RecordFileAction(TActionKind kind, const std::string& fileName);
  // Drawing resumes from an earlier step. The caller has cleared the links of
  // every later record.
  TActionItem* RecordBranch(std::int32_t step);

  // Writes the pending resize as a Change/Size record if the figure's width
  // or height really changed, and clears the pending state in every case.
  void CommitSizeChange();
  // The same, when a resize is pending.
  void CommitPendingResize();
  // A track bar has resized `figure`: a pending resize of another figure
  // is committed first, then `figure` becomes the pending one.
  void MarkPendingResize(const TFigItem* figure);
  // The editor reset: forgets a pending resize without recording it.
  void ResetPending();

  // Copies into `record` the TargetID of the newest record linked to
  // `figure`. Finding none leaves TargetID as it is.
  void FindFigureID(TActionItem& record, const TFigData* figure) const;
  // Date and time from one clock reading.
  void StampTime(TActionData& record) const;

 private:
  void Finish(TActionItem& record);

  const TFigData* stampResizeBase_ = nullptr;
  const TFigData* pendingFig_ = nullptr;

  THistoryList& history_;
  TInternalLog& log_;
  TClock clock_;
};

}  // namespace mirel
