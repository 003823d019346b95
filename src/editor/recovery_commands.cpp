// Crash recovery at start-up: the drawings earlier runs left in their
// journals, and this window's own journal.
#include <cstdio>
#include <filesystem>

#include "editor/editor.h"
#include "datafile/recovery_folder.h"
#include "fileio/user_words.h"

namespace mirel {

bool TEditor::RecoverJournal(const std::string& journal, const std::string& dataFileName) {
  // A kill in the middle of an append leaves a half record at the end: the
  // complete records before it are the drawing, and no message is due. A
  // journal that cannot be read or held is left for the user.
  bool replaced = false;
  doc_.Read(journal, prompts_, [this, &replaced] {
    ResetEditor();
    replaced = true;
    return true;
  });
  if (!replaced || doc_.History().GetStepCount() == 0) return false;
  // Unsaved: the drawing belongs to its file, but the file is older.
  SetDataFileName(dataFileName);
  playback_.SetStep(doc_.History().GetStepCount());
  RebuildAtCursor();
  if (doc_.Log().ShowInternal) doc_.Log().AddLine("");
  Repaint();
  return true;
}

namespace {

// The question for one left-over drawing: which drawing, and when it was
// last changed, so that several can be told apart; with several, which one
// of how many.
std::string RecoverQuestion(const TLeftJournal& journal, std::size_t number, std::size_t count) {
  const std::string name = journal.DataFileName.empty()
                               ? std::string(msg::kUnnamedDrawing)
                               : std::filesystem::path(journal.DataFileName).filename().string();
  const TLocalTime& t = journal.Changed;
  char when[64];
  std::snprintf(when, sizeof when, "%04d/%02d/%02d %02d:%02d", t.Year, t.Month, t.Day, t.Hour, t.Minute);
  std::string question = std::string(msg::kRecoverDrawing) + "\n" + std::string(msg::kRecoverName) + name +
                         "\n" + std::string(msg::kRecoverWhen) + when;
  if (count > 1) {
    char which[96];
    std::snprintf(which, sizeof which, msg::kRecoverWhichOf, count, number);
    question += "\n" + std::string(which);
  }
  return question;
}

}  // namespace

void TEditor::StartRecovery(const std::string& folder) {
  recoveryFolder_ = folder;
  prompts_.ListFolderInOpenDialogs(folder);
  std::vector<TLeftJournal> left = FindLeftJournals(folder);
  TLeftJournal* recovered = nullptr;
  for (std::size_t i = 0; i < left.size(); ++i) {
    TLeftJournal& journal = left[i];
    if (!recovered && prompts_.AskYesNo(msg::kCaptionKakunin, RecoverQuestion(journal, i + 1, left.size())) &&
        RecoverJournal(journal.Path.string(), journal.DataFileName)) {
      recovered = &journal;
      continue;
    }
    // Refused, unreadable, or older than the one recovered: kept for the user.
    SetAside(journal, clock_());
  }
  doc_.StartJournal(TRecoveryJournal::Create(folder, doc_.History(), doc_.DataFileName()));
  if (doc_.Journal()->Failed()) {
    // Told once: the journal is tried again as drawing goes on, and the
    // user hears of it again only after it has worked in between.
    prompts_.Notice(msg::kNoJournal);
    journalTroubleTold_ = true;
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
