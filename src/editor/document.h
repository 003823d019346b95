#pragma once
// A drawing as Mirel keeps it: the action history with the figures rebuilt
// from it, the deleted figures kept for Undo, the recorder that every change
// goes through, the internal log, and the data file it was read from or
// saved to. The window's editor and the headless programs share it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "datafile/reader_prompts.h"
#include "datafile/safe_save.h"
#include "editor/editor_types.h"
#include "datafile/recovery_journal.h"
#include "editor/resize.h"
#include "fileio/memory_room.h"
#include "history/action_recorder.h"
#include "history/clock.h"
#include "history/history_list.h"
#include "history/internal_log.h"
#include "model/fig_data.h"
#include "model/result.h"
#include "replay/replay_engine.h"

namespace mirel {

class TDocument {
 public:
  explicit TDocument(TClock clock = ReadLocalClock);
  TDocument(const TDocument&) = delete;
  TDocument& operator=(const TDocument&) = delete;

  // The records, changed only by the commands, reads and resets below.
  const THistoryList& History() const { return history_; }
  // The internal log the recorder and the reader write to; the window shows,
  // switches and empties it.
  TInternalLog& Log() { return log_; }
  const TInternalLog& Log() const { return log_; }
  // The figures as the history leaves them, front last, and the deleted
  // ones waiting for Undo; only the commands below and rebuilds change them.
  const TFigList& Figures() const { return figList_; }
  const TFigList& DeletedFigures() const { return deletedFigList_; }
  // Replays the history into the figure lists.
  TReplayEngine& Replay() { return replay_; }
  // The data file overwrite-save writes (native path); empty until a file is
  // read or saved. The journal follows it.
  const std::string& DataFileName() const { return dataFileName_; }
  void SetDataFileName(std::string path);

  // The crash journal, when the document keeps one (made from this history
  // and file name): from here on every record, reset and read reaches it.
  void StartJournal(std::unique_ptr<TRecoveryJournal> journal);
  const TRecoveryJournal* Journal() const { return journal_.get(); }
  // Writes the journal anew from the history (after the reader filled it).
  void JournalWholeHistory();
  // The clean exit: the journal is removed.
  void EndJournal();

  // Empties the history (NextFigureID back to 1) and both figure lists and
  // forgets a pending resize and the selection.
  void Reset();
  // Empties both figure lists; no record keeps a link to what they held.
  void ClearFigures();

  // Reads a data file (native path) into the emptied history. A file that
  // cannot be opened changes nothing and fails with msg::kReadFailedMessage; any
  // other failure leaves the complete records read before it.
  // A file too large to hold fails with msg::kFileTooLargeMessage and changes
  // nothing. `replace`, when given, runs once the file is open and fits,
  // before its records are read (the window resets itself there, or returns
  // false to keep its drawing: nothing is read, and there is no message),
  // and again instead of Reset when memory runs out while reading.
  TResult<> Read(const std::string& path, IReaderPrompts& prompts, const std::function<bool()>& replace = {});
  // Whether the data file at `path` and the drawing it makes fit in the
  // memory left. Unknown sizes fit: the read itself then decides.
  bool FitsInMemory(const std::string& path) const;
  // Where FitsInMemory learns the memory left.
  void SetMemoryAvailable(std::function<std::uint64_t()> available) { memoryAvailable_ = std::move(available); }

  // Told from now on what every change of the figures does to the canvas:
  // the edits below, clears and rebuilds. None: nobody is told.
  void SetDrawingChanges(IDrawingChanges* changes);

  // Rebuilds the figures as they stood after `step` and brings the
  // background in line; the selection is let go first.
  TRebuiltStep RebuildStep(std::int32_t step, IBackgroundSurface& background);

  // Commits a pending track-bar resize, if any.
  void CommitPendingResize();

  // The figure the editing commands act on: an item of Figures, or none.
  // Emptying or rebuilding the figures lets it go.
  TFigItem* Selected() const { return selected_; }
  // Every record goes through the commands below; what the recorder holds
  // (the pending resize) can be looked at.
  const TActionRecorder& Recorder() const { return recorder_; }
  void Select(TFigItem* item) { selected_ = item; }

  // ---- Editing the drawing. Each command changes the figures first and
  // then writes its one record; one that does nothing records nothing. ----

  // Create: a copy of `figure` enters the drawing in front of all others.
  TFigItem* AddFigure(const TFigData& figure);
  // Duplicate: a copy of the selection, 20 pixels right and down, enters in
  // front and becomes the selection. None without a selection.
  TFigItem* DuplicateSelected();
  // Delete: the selected figure leaves the drawing and waits for Undo; a
  // pending resize is recorded first. Nothing stays selected.
  void DeleteSelected();
  // Undo: the newest deleted figure comes back in front of all others.
  // None when nothing is deleted.
  TFigItem* UndoDelete();
  // Front, Back: the selected figure one place forwards or backwards.
  TEditOutcome ReorderSelected(bool front);
  // The line, body or text colour of the selected figure (the no-fill
  // colour paints no line or text; only texts have a text colour).
  TEditOutcome ChangeSelectedColor(TParameter which, TColor color);
  // The selected figure's pen by `by` pixels, kept within 1 to 30.
  TEditOutcome ChangeSelectedPenWidth(std::int32_t by);
  // Change of the text: the selected text figure takes `cp932Text`, ending
  // at `end`. False, changing nothing, when no text figure is selected.
  bool ChangeSelectedText(const std::string& cp932Text, TPoint end);
  // Move: the selected figure follows the pointer by (dx, dy); the move is
  // recorded once, when the drag ends (RecordMoveOfSelected).
  void DragSelected(std::int32_t dx, std::int32_t dy);
  void RecordMoveOfSelected();
  // A size track bar at `position` resizes the selected figure from `base`;
  // the size is recorded when the next record comes (CommitPendingResize).
  void ResizeSelected(const TResizeBase& base, TAxis axis, std::int32_t position, const TTextWidth& textWidth);
  // The background or the drawing emptied (CleareBG, ClearDrawing,
  // ClearAll): the figures go first (ClearFigures), then this records it.
  void RecordClear(TActionKind kind);
  // A background picture read by its name as the loading received it.
  void RecordBackground(const std::string& cp932Name);
  // Drawing goes on from `step`: the later records stay in the history and
  // lose their links; a Branch makes the drawing go on from the step shown.
  void ResumeFrom(std::int32_t step);

  // Saves the history to `path` (native) through the safe save.
  TResult<std::filesystem::path> Save(const std::string& path, TBackupRule rule) const;

 private:
  THistoryList history_;
  TInternalLog log_;
  TFigList figList_;
  TFigList deletedFigList_;
  TReplayEngine replay_;
  std::string dataFileName_;
  std::function<std::uint64_t()> memoryAvailable_ = AvailableMemory;

  // `change` alters `figure` in place; the canvas is told where it showed
  // and where it shows afterwards.
  template <class Change>
  void ChangeShown(TFigData& figure, Change change) {
    if (changes_) changes_->Leaving(figure);
    change();
    if (changes_) changes_->Entered(figure);
  }
  void Added(const TFigData& figure) {
    if (changes_) changes_->Added(figure);
  }

  TActionRecorder recorder_;
  IDrawingChanges* changes_ = nullptr;
  std::unique_ptr<TRecoveryJournal> journal_;
  TFigItem* selected_ = nullptr;
};

}  // namespace mirel
