#include "datafile/recovery_journal.h"

#include <system_error>

#include "datafile/recovery_folder.h"
#include "fileio/file_replace.h"

namespace mirel {
namespace {

// Syncing costs more than a record; a few times a second keeps a power
// loss from taking more than a moment of drawing.
constexpr std::chrono::milliseconds kSyncInterval{250};
// After a failed write (a full disk), the journal is written whole again at
// the next record, but not more often than this: each try writes it all.
constexpr std::chrono::seconds kRetryInterval{5};

}  // namespace

TRecoveryJournal::~TRecoveryJournal() { Sync(); }

std::filesystem::path TRecoveryJournal::NameFileOf(const std::filesystem::path& journal) {
  std::filesystem::path name = journal;
  name.replace_extension(".name");
  return name;
}

std::unique_ptr<TRecoveryJournal> TRecoveryJournal::Create(const std::filesystem::path& folder,
                                                           const THistoryList& history,
                                                           const std::string& dataFileName) {
  std::unique_ptr<TRecoveryJournal> journal(new TRecoveryJournal(UniqueFilePath(folder, "journal-")));
  journal->dataFileName_ = dataFileName;
  journal->lastTry_ = std::chrono::steady_clock::now();
  // Not written yet: tried again like a failed write.
  if (!journal->WriteWhole(history)) journal->failed_ = true;
  return journal;
}

TResult<> TRecoveryJournal::WriteWhole(const THistoryList& history) {
  // Locked before it takes the journal's name, so that no other window ever
  // sees an unlocked journal of a running one, and a crash halfway leaves
  // the previous journal whole. The folder may have gone, or never have
  // been made.
  TResult<THeldDataFile> written = WriteHeldDataFile(history, path_);
  if (!written) return written.Failure();
  held_ = std::move(*written);
  generation_ = history.Generation();
  failed_ = false;
  unsynced_ = false;
  lastSync_ = std::chrono::steady_clock::now();
  if (!created_) {
    created_ = true;
    SetDataFileName(dataFileName_);
  }
  return TResult<>::Done();
}

void TRecoveryJournal::Rewrite(const THistoryList& history) {
  if (removed_) return;
  lastTry_ = std::chrono::steady_clock::now();
  if (!WriteWhole(history)) {
    failed_ = true;
    return;
  }
  CatchUp(history);
}

void TRecoveryJournal::CatchUp(const THistoryList& history) {
  if (removed_) return;
  if (failed_) {
    if (std::chrono::steady_clock::now() - lastTry_ >= kRetryInterval) Rewrite(history);
    return;
  }
  if (history.Generation() != generation_ || history.GetStepCount() < held_.Steps) {
    // Records were released behind the journal's back: start again.
    Rewrite(history);
    return;
  }
  const std::int32_t before = held_.Steps;
  // A failed append leaves the file readable to its end.
  if (!AppendRecords(held_, history)) {
    failed_ = true;
    lastTry_ = std::chrono::steady_clock::now();
    return;
  }
  if (held_.Steps != before) SyncSoon();
}

void TRecoveryJournal::SyncSoon() {
  unsynced_ = true;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastSync_ >= kSyncInterval) Sync();
}

void TRecoveryJournal::Sync() {
  if (!unsynced_ || !held_.File.IsOpen()) return;
  held_.File.Sync();
  unsynced_ = false;
  lastSync_ = std::chrono::steady_clock::now();
}

void TRecoveryJournal::SetDataFileName(const std::string& path) {
  dataFileName_ = path;
  if (!created_ || removed_) return;  // written with the journal
  const std::filesystem::path nameFile = NameFileOf(path_);
  std::error_code ec;
  if (path.empty()) {
    std::filesystem::remove(nameFile, ec);
  } else {
    // The next start may run in another folder: a relative name would then
    // point at another file.
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string name = ec ? path : absolute.string();
    ReplaceLockedFile(nameFile, [&name](TFileSink& sink) { return sink.Write(name); });
  }
}

void TRecoveryJournal::Remove() {
  removed_ = true;
  held_.File.Close();
  std::error_code ec;
  std::filesystem::remove(NameFileOf(path_), ec);
  std::filesystem::remove(path_, ec);
}

}  // namespace mirel
