#pragma once
// The folder of crash journals: where it is, which journals earlier runs
// left behind (a running window holds a lock on its own), and setting one
// aside as a recovered drawing the user can open later.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fileio/locked_file.h"
#include "history/clock.h"
#include "history/history_list.h"
#include "model/result.h"

namespace mirel {

// $XDG_DATA_HOME/mirel/recovery, else ~/.local/share/mirel/recovery; none
// without either.
std::optional<std::filesystem::path> DefaultRecoveryFolder();

// How many recovered drawings a folder keeps; older ones go as new ones come.
inline constexpr std::size_t kRecoveredKept = 20;

// A journal of an earlier run, locked by this process while it decides.
struct TLeftJournal {
  std::filesystem::path Path;
  std::string DataFileName;  // the data file the drawing belonged to, if any
  TLocalTime Changed;        // when the drawing was last changed
  TLockedFile Lock;
};

// A name in `folder` that no other window, process or earlier boot picks:
// `prefix`, the process, a random part and ".mrl".
std::filesystem::path UniqueFilePath(const std::filesystem::path& folder, std::string_view prefix);

// The journals no running window holds, newest first. Journals without a
// single record, or holding exactly the bytes of the data file they belong
// to (nothing changed since it was read or saved), are removed.
std::vector<TLeftJournal> FindLeftJournals(const std::filesystem::path& folder);

// Renames the journal to recovered-YYYYMMDD-HHMMSS.mrl (the time `now`) in
// its folder, never over an existing file, and drops its name file. When the
// rename fails the journal stays.
void SetAside(TLeftJournal& journal, const TLocalTime& now);

// Writes `history` as recovered-YYYYMMDD-HHMMSS.mrl in `folder` (made if
// missing), never over an existing file: a drawing about to be replaced is
// kept there. The new path, or the failure.
TResult<std::filesystem::path> KeepDrawing(const THistoryList& history, const std::filesystem::path& folder,
                                           const TLocalTime& now);

// Removes a journal whose drawing lives on in another.
void RemoveLeftJournal(TLeftJournal& journal);

}  // namespace mirel
