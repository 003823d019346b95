#include "editor/document.h"

#include "datafile/data_reader.h"
#include "datafile/line_reader.h"
#include "model/fig_ops.h"

namespace mirel {

TDocument::TDocument(TClock clock)
    : Recorder(History, Log, std::move(clock)), Replay(History, FigList, DeletedFigList) {}

void TDocument::Reset() {
  Recorder.ResetPending();
  Recorder.SelectedFig = nullptr;
  History.ClearHistory();
  ClearFigures();
  if (journal_) journal_->Rewrite(History);
}

void TDocument::SetDataFileName(std::string path) {
  DataFileName = std::move(path);
  if (journal_) journal_->SetDataFileName(DataFileName);
}

void TDocument::StartJournal(std::unique_ptr<TRecoveryJournal> journal) {
  journal_ = std::move(journal);
  if (!journal_) {
    Recorder.OnRecorded = nullptr;
    return;
  }
  Recorder.OnRecorded = [this] { journal_->CatchUp(History); };
}

void TDocument::JournalWholeHistory() {
  if (journal_) journal_->Rewrite(History);
}

void TDocument::EndJournal() {
  if (journal_) journal_->Remove();
  journal_.reset();
  Recorder.OnRecorded = nullptr;
}

void TDocument::ClearFigures() {
  History.Links.UnlinkAll();
  Replay.Invalidate();
  Recorder.SelectedFig = nullptr;
  ClearFigList(FigList);
  ClearFigList(DeletedFigList);
}

TReadResult TDocument::Read(const std::string& path, IReaderPrompts& prompts) {
  // Only regular files open; the reason says why another did not.
  std::string whyNot;
  std::optional<TLineReader> lines = TLineReader::OpenFile(path, whyNot);
  if (!lines) {
    TReadResult result;
    result.Ok = false;
    result.Message = kReadFailedMessage;
    result.Detail = whyNot;
    return result;
  }
  return ReadDataFile(*lines, History, Log, prompts);
}

TRebuiltStep TDocument::Rebuild(const TActionItem* cursor, IBackgroundSurface& background) {
  // The rebuild releases every figure; nothing may stay selected.
  Recorder.SelectedFig = nullptr;
  return Replay.RebuildDrawing(cursor, background);
}

TRebuiltStep TDocument::RebuildStep(std::int32_t step, IBackgroundSurface& background) {
  Recorder.SelectedFig = nullptr;
  return Replay.RebuildStep(step, background);
}

void TDocument::CommitPendingResize() {
  if (Recorder.SizeChangePending) Recorder.CommitSizeChange();
}

TSaveResult TDocument::Save(const std::string& path, TBackupRule rule) const {
  return SaveHistoryToFile(History, path, rule);
}

}  // namespace mirel
