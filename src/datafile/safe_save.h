#pragma once
// Saving a history without ever losing the previous file: the new file is
// written to a temporary file beside the target and checked through every
// write, flush and close; only then is the backup made and the new file
// renamed into place. On any failure the previous file is untouched and
// nothing is left behind. Paths are native paths, passed on as bytes; a
// symbolic link is followed and stays a link.
#include <filesystem>
#include <string>

#include "datafile/size_rule.h"
#include "fileio/locked_file.h"
#include "history/history_list.h"
#include "model/result.h"

namespace mirel {

// How the two save commands name the backup of the file they replace.
enum class TBackupRule {
  // The last three characters of the name replaced by "bak" (drawing.mrl
  // gives drawing.bak).
  OverwriteSave,
  // The name without its folder and extension, plus ".bak", in the folder of
  // the chosen file.
  SaveAs,
};

std::filesystem::path BackupPathFor(const std::filesystem::path& target, TBackupRule rule);

// Writes `history` as a data file at `target`. The previous file, if any, is
// kept under the backup name unless a file of that name already exists (the
// older backup then stays as it is; that is no failure). The value: the
// backup made of the previous file, empty if none. On failure, Message is
// the file and the system's reason (in the user's language where the system
// has one), to go with the command's own failure text; Detail the step that
// failed, for developers.
TResult<std::filesystem::path> SaveHistoryToFile(const THistoryList& history, const std::filesystem::path& target,
                              TBackupRule rule);

// A data file that a window holds while its history grows (the crash journal).
struct THeldDataFile {
  TLockedFile File;
  TFirstRecordIndex Index;  // has noted every record written
  std::int32_t Steps = 0;   // records written
};

// Writes the records of `history` up to the first one still being recorded
// as `target` (its folder made if missing), as ReplaceLockedFile does.
TResult<THeldDataFile> WriteHeldDataFile(const THistoryList& history, const std::filesystem::path& target);
// Appends the records after the file's last step, up to the first one still
// being recorded, all or none. After a failure, write it whole again.
bool AppendRecords(THeldDataFile& file, const THistoryList& history);

}  // namespace mirel
