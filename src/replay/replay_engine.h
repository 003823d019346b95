#pragma once
// Rebuilds the drawing as it stood right after any step of the history:
// the figures, the deleted figures kept for Undo, the background the step
// asks for, and the date and time to show.
#include <cstdint>
#include <string>
#include <vector>

#include "history/history_list.h"
#include "replay/background_surface.h"
#include "replay/checkpoints.h"
#include "replay/creator_index.h"
#include "replay/drawing_changes.h"
#include "replay/step_date_texts.h"
#include "replay/step_journal.h"

namespace mirel {

// What the caller shows for a rebuilt step.
struct TRebuiltStep {
  TStepDateTexts Dates;
  // The background picture the applied records ask for; empty = blank.
  std::string BackgroundFile;
  // Records that could not be applied because the history is inconsistent
  // (no live figure with their ID, a Branch not below its own step, an Undo
  // with nothing deleted, a Size change that does not fit its figure).
  std::int32_t SkippedRecords = 0;
};

// Whether `step` is one of the history's: 0 (the empty drawing) to its
// step count. Commands refuse other steps; a rebuild shows step 0 for them.
inline bool IsHistoryStep(std::int32_t step, std::int32_t stepCount) { return step >= 0 && step <= stepCount; }

class TReplayEngine {
 public:
  // The history and both lists belong to the editor state; the engine only
  // works on them.
  TReplayEngine(THistoryList& history, TFigList& figList, TFigList& deletedFigList);
  TReplayEngine(const TReplayEngine&) = delete;
  TReplayEngine& operator=(const TReplayEngine&) = delete;

  // Rebuilds FigList and DeletedFigList as they stood right after `step`
  // (0 = the empty drawing), applying each record at most once however the
  // history branches. Afterwards exactly the applied creating records whose
  // figures are in FigList link to them (and the history's links know which
  // record gave each figure its size); no other record links anything. A
  // step outside the history rebuilds step 0. The picture under the canvas
  // is not touched.
  //
  // The steps are indexed as the history grows, so a rebuild costs the
  // records it applies. With nothing changed since the last rebuild, it
  // goes on from that drawing when that is cheaper than starting from a
  // copy: a later step costs the records after the last, an earlier one
  // taking back those after it.
  TRebuiltStep RebuildStep(std::int32_t step);
  // The same, then brings the picture under the canvas in line with the
  // step's background and remembers it as shown.
  TRebuiltStep RebuildStep(std::int32_t step, IBackgroundSurface& surface);
  // The same for the step of an item of the history (a walk to find it).
  TRebuiltStep RebuildDrawing(const TActionItem* playCursor);
  TRebuiltStep RebuildDrawing(const TActionItem* playCursor, IBackgroundSurface& surface);
  // Told what every rebuild changes on the canvas from now on; none: nobody
  // is told.
  void SetDrawingChanges(IDrawingChanges* changes) { changes_ = changes; }
  // The figure lists were changed outside a rebuild without a record (the
  // editor emptied them): the next rebuild starts afresh.
  void Invalidate() { lastStep_ = -1; }
  // Steps between the copies of the drawing a rebuild starts from (tests
  // use small ones to reach them in short histories).
  void SetCheckpointSpacing(std::int32_t steps, std::int64_t budget = TCheckpoints::kDefaultBudget) {
    checkpoints_.SetSpacing(steps, budget);
    checkpoints_.Clear();
  }

  // The background a rebuild last put under the canvas; empty = blank.
  const std::string& ShownBGFile() const { return shownBGFile_; }
  // For the commands that blank or load the background outside a rebuild.
  void ForgetShownBackground() { shownBGFile_.clear(); }
  void SetShownBackground(std::string cp932Name) { shownBGFile_ = std::move(cp932Name); }

  // The record that brought figure `id` into the drawing: the first creating
  // record with that ID from step 1 on; none if there is none. Its links are
  // the figure as it lives in FigList now. A walk of the history, for
  // callers outside a rebuild; a rebuild uses its own index.
  TActionItem* FindCreatingRecord(std::int32_t id) const;

 private:
  // Brings the step index, the branch table and the creator index up to the
  // history as it is now: extends them by the records appended since, or
  // starts again when records were released.
  void IndexHistory();
  // The steps whose effects last at `step`, oldest first: walking back from
  // `step`, a Branch to N at step k jumps to N, as it leaves the drawing of
  // step N and steps N+1..k-1 have no lasting effect. The walk stops at a
  // step kept as a checkpoint; returns that step, or 0.
  std::int32_t CollectEffectiveSteps(std::int32_t step);
  void SaveCheckpoint(std::int32_t step);
  void RestoreCheckpoint(const TCheckpoint& checkpoint);
  // Whether the lists hold exactly what the last rebuild left, with the
  // history unchanged since.
  bool LeftAsLastRebuild() const;
  // How a rebuild reaches its target: from a copy of the drawing (or from
  // nothing), by applying the steps after the one the lists hold, or by
  // taking back the steps after the target.
  enum class TRoute : std::uint8_t { Afresh, Forward, Back };
  // The cheapest way to `target`. For Afresh, effective_ holds the steps to
  // apply after the copy of step `base` (none for 0).
  TRoute ChooseRoute(std::int32_t target, std::int32_t& base);
  // Whether then the steps after the last one rebuilt up to `target` apply
  // one after the other, none resuming from an earlier step.
  bool GoesOnTo(std::int32_t target) const;
  // Applies `step` of a rebuild that goes on to `target`.
  void ApplyStep(std::int32_t step, std::int32_t target);
  // Applies a record, telling `undo` how to take it back; false when it
  // cannot be.
  bool ApplyAction(TActionItem& item, TStepUndo& undo);
  // Takes back a step applied last, in a rebuild that goes back to
  // `target`: the drawing is that of the step before.
  void RevertStep(TStepUndo& undo, std::int32_t target);
  // The live figure of the creating record of `id`, or none when the figure
  // is not in the drawing.
  TFigItem* LiveFigureOf(std::int32_t id);
  void Link(TActionData& record, TFigItem* item);
  void Leaving(const TFigData& figure) {
    if (changes_) changes_->Leaving(figure);
  }
  void Added(const TFigData& figure) {
    if (changes_) changes_->Added(figure);
  }
  void Entered(const TFigData& figure) {
    if (changes_) changes_->Entered(figure);
  }
  void Everything() {
    if (changes_) changes_->Everything();
  }
  void ManySteps() {
    if (changes_) changes_->ManySteps();
  }
  // Empties both lists; the creating records lose their links first.
  void ClearDrawing();

  THistoryList& history_;
  TFigList& figList_;
  TFigList& deletedFigList_;
  std::string replayBGFile_;
  std::string shownBGFile_;
  std::int32_t skipped_ = 0;
  IDrawingChanges* changes_ = nullptr;

  // The index of the history, extended as records are appended.
  std::uint64_t indexedGeneration_ = ~std::uint64_t{0};
  // resumeFrom_[n]: the step a Branch at step n resumes from, kNotABranch,
  // or kBadBranch; kept apart so that walking back touches no record.
  std::vector<std::int32_t> resumeFrom_;
  static constexpr std::int32_t kNotABranch = -1;
  static constexpr std::int32_t kBadBranch = -2;
  TCreatorIndex creators_;

  // What the last rebuild left, to go on from it. Going on over more steps
  // than kMaxAreaSteps redraws the canvas rather than the sum of their
  // areas.
  static constexpr std::int32_t kMaxAreaSteps = 32;
  std::int32_t lastStep_ = -1;
  std::int32_t lastRecords_ = 0;
  std::uint64_t lastGeneration_ = 0;
  std::int32_t lastFigures_ = 0;
  std::int32_t lastDeleted_ = 0;
  const TFigItem* lastTail_ = nullptr;

  // Rebuild scratch, kept only to reuse its memory.
  std::vector<std::int32_t> effective_;
  TCheckpoints checkpoints_;
  TStepJournal journal_;
  std::vector<TActionData*> linked_;  // records that link a figure in FigList
};

}  // namespace mirel
