#pragma once
// A drawing as Mirel keeps it: the action history with the figures rebuilt
// from it, the deleted figures kept for Undo, the recorder that every change
// goes through, the internal log, and the data file it was read from or
// saved to. The window's editor and the headless programs share it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "datafile/read_result.h"
#include "datafile/reader_prompts.h"
#include "datafile/safe_save.h"
#include "editor/recovery_journal.h"
#include "fileio/memory_room.h"
#include "history/action_recorder.h"
#include "history/clock.h"
#include "history/history_list.h"
#include "history/internal_log.h"
#include "model/fig_data.h"
#include "replay/replay_engine.h"

namespace mirel {

inline constexpr std::string_view kReadFailedMessage = "データ読み込みに失敗しました";
inline constexpr std::string_view kFileTooLargeMessage = "ファイルが おおきすぎて よみこめません";

class TDocument {
 public:
  explicit TDocument(TClock clock = ReadLocalClock);
  TDocument(const TDocument&) = delete;
  TDocument& operator=(const TDocument&) = delete;

  THistoryList History;
  TFigList FigList;
  TFigList DeletedFigList;
  TInternalLog Log;
  TActionRecorder Recorder;
  TReplayEngine Replay;
  // The data file overwrite-save writes (native path); empty until a file is
  // read or saved. Set it through SetDataFileName so the journal follows.
  std::string DataFileName;
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
  // cannot be opened changes nothing and fails with kReadFailedMessage; any
  // other failure leaves the complete records read before it.
  // A file too large to hold fails with kFileTooLargeMessage and changes
  // nothing. `replace`, when given, runs once the file is open and fits,
  // before its records are read (the window resets itself there, or returns
  // false to keep its drawing: nothing is read, and there is no message),
  // and again instead of Reset when memory runs out while reading.
  TReadResult Read(const std::string& path, IReaderPrompts& prompts, const std::function<bool()>& replace = {});
  // Whether the data file at `path` and the drawing it makes fit in the
  // memory left. Unknown sizes fit: the read itself then decides.
  bool FitsInMemory(const std::string& path) const;
  // Where FitsInMemory learns the memory left.
  std::function<std::uint64_t()> MemoryAvailable = AvailableMemory;

  // Rebuilds the figures as they stood after `cursor` and brings the
  // background in line; the recorder's selection is cleared first.
  TRebuiltStep Rebuild(const TActionItem* cursor, IBackgroundSurface& background);
  TRebuiltStep RebuildStep(std::int32_t step, IBackgroundSurface& background);

  // Commits a pending track-bar resize, if any.
  void CommitPendingResize();

  // The figure the editing commands act on: an item of FigList, or none.
  // Emptying or rebuilding the figures lets it go.
  TFigItem* Selected() const { return selected_; }
  void Select(TFigItem* item) { selected_ = item; }

  // Saves the history to `path` (native) through the safe save.
  TSaveResult Save(const std::string& path, TBackupRule rule) const;

 private:
  std::unique_ptr<TRecoveryJournal> journal_;
  TFigItem* selected_ = nullptr;
};

}  // namespace mirel
