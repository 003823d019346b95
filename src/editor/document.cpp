#include "editor/document.h"

#include <filesystem>
#include <new>

#include "datafile/data_reader.h"
#include "datafile/line_reader.h"
#include "fileio/user_words.h"
#include "model/fig_ops.h"
#include "replay/edit_effects.h"

namespace mirel {

TDocument::TDocument(TClock clock)
    : replay_(history_, figList_, deletedFigList_), recorder_(history_, log_, std::move(clock)) {}

void TDocument::Reset() {
  recorder_.ResetPending();
  selected_ = nullptr;
  history_.ClearHistory();
  ClearFigures();
  if (journal_) journal_->Rewrite(history_);
}

void TDocument::SetDataFileName(std::string path) {
  dataFileName_ = std::move(path);
  if (journal_) journal_->SetDataFileName(dataFileName_);
}

void TDocument::StartJournal(std::unique_ptr<TRecoveryJournal> journal) {
  journal_ = std::move(journal);
  if (!journal_) {
    recorder_.OnRecorded = nullptr;
    return;
  }
  recorder_.OnRecorded = [this] { journal_->CatchUp(history_); };
}

void TDocument::JournalWholeHistory() {
  if (journal_) journal_->Rewrite(history_);
}

void TDocument::EndJournal() {
  if (journal_) journal_->Remove();
  journal_.reset();
  recorder_.OnRecorded = nullptr;
}

void TDocument::SetDrawingChanges(IDrawingChanges* changes) {
  changes_ = changes;
  replay_.SetDrawingChanges(changes);
}

void TDocument::ClearFigures() {
  if (changes_) changes_->Everything();
  history_.Links.UnlinkAll();
  replay_.Invalidate();
  selected_ = nullptr;
  EmptyDrawing(figList_, deletedFigList_);
}

namespace {

TResult<> ReadFailure(std::string_view message, std::string detail) {
  return TResult<>::Failed(std::string(message), std::move(detail));
}

// The history, the drawing and the replay's copies of it take a few times
// the bytes of the file.
constexpr std::uint64_t kMemoryPerFileByte = 4;

}  // namespace

bool TDocument::FitsInMemory(const std::string& path) const {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return true;
  const std::uint64_t room = memoryAvailable_ ? memoryAvailable_() : UINT64_MAX;
  return size <= room / kMemoryPerFileByte;
}

TResult<> TDocument::Read(const std::string& path, IReaderPrompts& prompts, const std::function<bool()>& replace) {
  if (!FitsInMemory(path)) return ReadFailure(msg::kFileTooLargeMessage, path + ": larger than the memory left");
  // Only regular files open; the reason says why another did not.
  TResult<TLineReader> lines = TLineReader::OpenFile(path);
  if (!lines) {
    return lines.Told(std::string(msg::kReadFailedMessage));
  }
  if (replace && !replace()) return ReadFailure({}, path + ": not read, the drawing stays");
  try {
    return ReadDataFile(*lines, history_, log_, prompts);
  } catch (const std::bad_alloc&) {
    // What was read is let go: the program goes on with an empty drawing.
    if (replace) {
      replace();
    } else {
      Reset();
    }
    return ReadFailure(msg::kFileTooLargeMessage, path + ": out of memory while reading");
  }
}

TRebuiltStep TDocument::RebuildStep(std::int32_t step, IBackgroundSurface& background) {
  // The rebuild releases every figure; nothing may stay selected.
  selected_ = nullptr;
  return replay_.RebuildStep(step, background);
}

void TDocument::CommitPendingResize() {
  recorder_.CommitPendingResize();
}

TResult<std::filesystem::path> TDocument::Save(const std::string& path, TBackupRule rule) const {
  return SaveHistoryToFile(history_, path, rule);
}

}  // namespace mirel
