#pragma once
// Rebuilds the drawing as it stood right after any step of the history:
// the figures, the deleted figures kept for Undo, the background the step
// asks for, and the date and time to show.
#include <cstdint>
#include <string>
#include <vector>

#include "history/history_list.h"
#include "replay/background_surface.h"
#include "replay/creator_index.h"
#include "replay/step_date_texts.h"

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

class TReplayEngine {
 public:
  // The history and both lists belong to the editor state; the engine only
  // works on them.
  TReplayEngine(THistoryList& history, TFigList& figList, TFigList& deletedFigList);
  TReplayEngine(const TReplayEngine&) = delete;
  TReplayEngine& operator=(const TReplayEngine&) = delete;

  // Rebuilds FigList and DeletedFigList as they stood right after
  // `playCursor` (the head = step 0, the empty drawing), applying each record
  // at most once however the history branches. Afterwards exactly the
  // applied creating records whose figures are in FigList link to them; all
  // other records of the history are unlinked, since emptying the lists
  // released whatever they linked. A cursor that is not an item of the
  // history rebuilds step 0. The picture under the canvas is not touched.
  TRebuiltStep RebuildDrawing(const TActionItem* playCursor);
  // The same, then brings the picture under the canvas in line with the
  // step's background and remembers it as shown.
  TRebuiltStep RebuildDrawing(const TActionItem* playCursor, IBackgroundSurface& surface);

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
  // Walks the whole history once: unlinks every record, keeps the items of
  // steps 0..target and indexes the creating records among them. Returns the
  // target's step, or 0 when `target` is not in the history.
  std::int32_t IndexSteps(const TActionItem* target);
  // The steps whose effects last at `step`, oldest first: walking back from
  // `step`, a Branch to N at step k jumps to N, as it leaves the drawing of
  // step N and steps N+1..k-1 have no lasting effect.
  void CollectEffectiveSteps(std::int32_t step);
  void ApplyAction(TActionItem& item);
  // The live figure of the creating record of `id`, or none when the figure
  // is not in the drawing.
  TFigItem* LiveFigureOf(std::int32_t id);
  void Link(TActionData& record, TFigItem* item);
  static void Unlink(TActionData& record);
  // Empties both lists; the creating records lose their links first.
  void ClearDrawing();

  THistoryList& history_;
  TFigList& figList_;
  TFigList& deletedFigList_;
  std::string replayBGFile_;
  std::string shownBGFile_;
  std::int32_t skipped_ = 0;

  // Rebuild scratch, kept between rebuilds only to reuse its memory: the
  // history may have been cleared since, so none of it is read before the
  // next rebuild has filled it again.
  std::vector<TActionItem*> steps_;  // steps_[n] = item of step n
  // resumeFrom_[n]: the step a Branch at step n resumes from, kNotABranch,
  // or kBadBranch; kept apart so that walking back touches no record.
  std::vector<std::int32_t> resumeFrom_;
  static constexpr std::int32_t kNotABranch = -1;
  static constexpr std::int32_t kBadBranch = -2;
  std::vector<TActionItem*> effective_;
  std::vector<TActionData*> linked_;  // records that link a figure in FigList
  TCreatorIndex creators_;
};

}  // namespace mirel
