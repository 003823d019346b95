#include "editor/recovery_journal.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <unistd.h>

#include "datafile/data_output.h"
#include "datafile/data_writer.h"
#include "datafile/format_names.h"
#include "editor/recovery_folder.h"
#include "fileio/user_reason.h"

namespace mirel {
namespace {

// Syncing costs more than a record; a few times a second keeps a power
// loss from taking more than a moment of drawing.
constexpr std::chrono::milliseconds kSyncInterval{250};
// After a failed write (a full disk), the journal is written whole again at
// the next record, but not more often than this: each try writes it all.
constexpr std::chrono::seconds kRetryInterval{5};

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  std::error_code ec;
  std::filesystem::remove(temp, ec);
  TResult<TLockedFile> file = TLockedFile::CreateNew(temp);
  if (!file) return false;
  const bool ok = file->WriteAll(bytes) && ::fdatasync(file->Descriptor()) == 0;
  file->Close();
  if (!ok) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) std::filesystem::remove(temp, ec);
  return !ec;
}

}  // namespace

TRecoveryJournal::TRecoveryJournal(std::filesystem::path folder, std::filesystem::path path)
    : folder_(std::move(folder)), path_(std::move(path)) {}

TRecoveryJournal::~TRecoveryJournal() {
  if (file_.IsOpen()) Sync();
}

std::filesystem::path TRecoveryJournal::NameFileOf(const std::filesystem::path& journal) {
  std::filesystem::path name = journal;
  name.replace_extension(".name");
  return name;
}

std::unique_ptr<TRecoveryJournal> TRecoveryJournal::Create(const std::filesystem::path& folder,
                                                           const THistoryList& history,
                                                           const std::string& dataFileName) {
  std::unique_ptr<TRecoveryJournal> journal(
      new TRecoveryJournal(folder, UniqueFilePath(folder, "journal-")));
  journal->dataFileName_ = dataFileName;
  journal->lastTry_ = std::chrono::steady_clock::now();
  // Not written yet: tried again like a failed write.
  if (!journal->WriteWhole(history)) journal->failed_ = true;
  return journal;
}

TResult<> TRecoveryJournal::WriteWhole(const THistoryList& history) {
  // A new file, locked before it takes the journal's name, so that no other
  // window ever sees an unlocked journal of a running one, and a crash
  // halfway leaves the previous journal whole. The folder may have gone, or
  // never have been made.
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  if (ec) return FileFailure("cannot make", folder_, ec.value(), TFileUse::Writing);
  const std::filesystem::path temp = UniqueFilePath(folder_, ".writing-");
  TResult<TLockedFile> file = TLockedFile::CreateNew(temp);
  if (!file) return file.Failure();
  TDataOutput out([&](std::string_view bytes) { return file->WriteAll(bytes); });
  out.Line(kHeaderLine);
  TFirstRecordIndex index;
  std::int32_t written = 0;
  for (const TActionItem* item = history.GetHead()->Next(); item; item = item->Next()) {
    if (item->Data.TargetType == TActionKind::NoAction) break;  // still being recorded
    index.Note(item->Data);
    WriteActionData(out, item->Data, index);
    ++written;
  }
  if (!out.Flush() || ::fdatasync(file->Descriptor()) != 0) {
    const int error = errno;
    std::filesystem::remove(temp, ec);
    return FileFailure("cannot write", temp, error, TFileUse::Writing);
  }
  const off_t size = ::lseek(file->Descriptor(), 0, SEEK_CUR);
  std::filesystem::rename(temp, path_, ec);
  if (ec) {
    const int error = ec.value();
    std::filesystem::remove(temp, ec);
    return FileFailure("cannot rename", temp, error, TFileUse::Writing);
  }
  file_ = std::move(*file);
  index_ = std::move(index);
  generation_ = history.Generation();
  written_ = written;
  size_ = size;
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
  if (history.Generation() != generation_ || history.GetStepCount() < written_) {
    // Records were released behind the journal's back: start again.
    Rewrite(history);
    return;
  }
  TDataOutput out;
  std::int32_t step = written_;
  for (const TActionItem* item = history.StepItem(step + 1); item; item = item->Next()) {
    if (item->Data.TargetType == TActionKind::NoAction) break;
    index_.Note(item->Data);
    WriteActionData(out, item->Data, index_);
    ++step;
  }
  if (step == written_) return;
  if (!AppendBytes(out.Text())) {
    // Cut off any half-written record so the file stays readable to its end.
    if (::ftruncate(file_.Descriptor(), size_) == 0) ::lseek(file_.Descriptor(), size_, SEEK_SET);
    failed_ = true;
    lastTry_ = std::chrono::steady_clock::now();
    return;
  }
  written_ = step;
  SyncSoon();
}

bool TRecoveryJournal::AppendBytes(std::string_view bytes) {
  if (!file_.WriteAll(bytes)) return false;
  size_ += static_cast<off_t>(bytes.size());
  return true;
}

void TRecoveryJournal::SyncSoon() {
  unsynced_ = true;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastSync_ >= kSyncInterval) Sync();
}

void TRecoveryJournal::Sync() {
  if (!unsynced_ || !file_.IsOpen()) return;
  ::fdatasync(file_.Descriptor());
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
    WriteFileAtomically(nameFile, ec ? path : absolute.string());
  }
}

void TRecoveryJournal::Remove() {
  removed_ = true;
  file_.Close();
  std::error_code ec;
  std::filesystem::remove(NameFileOf(path_), ec);
  std::filesystem::remove(path_, ec);
}

}  // namespace mirel
