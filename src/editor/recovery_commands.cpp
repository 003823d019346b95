// Crash recovery at start-up: the drawings earlier runs left in their
// journals, and this window's own journal.
#include "datafile/data_reader.h"
#include "datafile/line_reader.h"
#include "editor/editor.h"
#include "editor/messages.h"
#include "editor/recovery_folder.h"

namespace mirel {

bool TEditor::RecoverJournal(const std::string& journal, const std::string& dataFileName) {
  std::optional<TLineReader> lines = TLineReader::OpenFile(journal);
  if (!lines) return false;
  ResetEditor();
  // A kill in the middle of an append leaves a half record at the end: the
  // complete records before it are the drawing, and no message is due.
  mirel::ReadDataFile(*lines, doc_.History, doc_.Log, prompts_);
  if (doc_.History.GetStepCount() == 0) return false;
  // Unsaved: the drawing belongs to its file, but the file is older.
  SetDataFileName(dataFileName);
  playStep_ = doc_.History.GetStepCount();
  RebuildAtCursor();
  if (doc_.Log.ShowInternal) doc_.Log.AddLine("");
  view_.Repaint();
  return true;
}

void TEditor::StartRecovery(const std::string& folder) {
  std::vector<TLeftJournal> left = FindLeftJournals(folder);
  TLeftJournal* recovered = nullptr;
  for (TLeftJournal& journal : left) {
    if (!recovered && prompts_.AskYesNo(kCaptionKakunin, msg::kRecoverDrawing) &&
        RecoverJournal(journal.Path.string(), journal.DataFileName)) {
      recovered = &journal;
      continue;
    }
    // Refused, unreadable, or older than the one recovered: kept for the user.
    SetAside(journal, clock_());
  }
  std::string detail;
  doc_.StartJournal(TRecoveryJournal::Create(folder, doc_.History, doc_.DataFileName, detail));
  if (!doc_.Journal()) {
    prompts_.Notice(msg::kNoJournal);
    if (recovered) SetAside(*recovered, clock_());
    return;
  }
  // The drawing lives on in this window's journal now.
  if (recovered) RemoveLeftJournal(*recovered);
}

void TEditor::TellJournalTrouble() {
  const TRecoveryJournal* journal = doc_.Journal();
  const bool failing = journal && journal->Failed();
  if (failing && !journalTroubleTold_) prompts_.Notice(msg::kJournalFailed);
  journalTroubleTold_ = failing;
}

}  // namespace mirel
