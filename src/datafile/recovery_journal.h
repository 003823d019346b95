#pragma once
// The crash journal of one window: the history written out as a data file
// while it grows, so that a drawing survives a kill, a crash or a power
// loss. The header is written once; each record is appended as soon as it
// is complete and handed to the system at once, and the file is synced to
// disk at most a few times a second so that drawing stays smooth. A read or
// a reset rewrites it whole. The data file the drawing belongs to is kept
// beside it in a ".name" file. The journal stays locked while the window
// runs; a clean exit removes it, any other end leaves it for the next start.
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "datafile/safe_save.h"
#include "history/history_list.h"
#include "model/result.h"

namespace mirel {

class TRecoveryJournal {
 public:
  // A new journal in `folder` (made if missing), holding `history` as it
  // stands. When it cannot be written it starts Failed and is tried again as
  // a failed write is.
  static std::unique_ptr<TRecoveryJournal> Create(const std::filesystem::path& folder,
                                                  const THistoryList& history, const std::string& dataFileName);
  ~TRecoveryJournal();
  TRecoveryJournal(const TRecoveryJournal&) = delete;
  TRecoveryJournal& operator=(const TRecoveryJournal&) = delete;

  // Appends the records of `history` not yet written, oldest first, up to the
  // first one still being recorded.
  void CatchUp(const THistoryList& history);
  // Writes the journal anew from `history` (after a read, a reset, or a
  // failed append).
  void Rewrite(const THistoryList& history);
  // The data file the drawing belongs to (native path; empty for none).
  void SetDataFileName(const std::string& path);
  // Syncs what was appended but not yet synced.
  void Sync();
  // The clean exit: the journal and its name file are gone.
  void Remove();

  const std::filesystem::path& Path() const { return path_; }
  // A write failed (a full disk, say), or the journal could not be made at
  // all: appends stop until a rewrite works; CatchUp tries one every few
  // seconds, and every Rewrite tries.
  bool Failed() const { return failed_; }

  // The name file beside a journal.
  static std::filesystem::path NameFileOf(const std::filesystem::path& journal);

 private:
  explicit TRecoveryJournal(std::filesystem::path path) : path_(std::move(path)) {}
  // Writes `history` whole, taking the journal's name once locked.
  TResult<> WriteWhole(const THistoryList& history);
  void SyncSoon();

  std::filesystem::path path_;
  THeldDataFile held_;
  std::uint64_t generation_ = 0;  // the history's, when written whole
  std::string dataFileName_;  // for the name file, once the journal exists
  bool created_ = false;      // written whole at least once
  bool removed_ = false;      // the clean exit: nothing more is written
  bool failed_ = false;
  bool unsynced_ = false;
  std::chrono::steady_clock::time_point lastSync_{};
  std::chrono::steady_clock::time_point lastTry_{};  // the last write after a failure
};

}  // namespace mirel
