// Reading and saving drawings, loading and clearing the background, and
// ending the program.
#include <filesystem>
#include <system_error>

#include "editor/editor.h"
#include "datafile/recovery_folder.h"
#include "fileio/user_words.h"
#include "model/fig_ops.h"
#include "text/cp932.h"
#include "text/path_utils.h"

namespace mirel {
namespace {

bool IsDataFileExtension(std::string_view extension) { return extension == ".mrl" || extension == ".MRL"; }

bool IsPictureExtension(std::string_view extension) {
  return extension == ".bmp" || extension == ".BMP" || extension == ".jpg" || extension == ".JPG";
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::path(path), ec);
}

}  // namespace

bool TEditor::ConfirmRead() {
  return doc_.History().GetStepCount() == 0 || prompts_.AskYesNo(msg::kCaptionKakunin, msg::kReallyRead);
}

void TEditor::OpenFileByName(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  if (!IsDataFileExtension(extension) && !IsPictureExtension(extension)) {
    prompts_.Notice(msg::kWrongFileKind);
    return;
  }
  if (mode_ == mdPlay) {
    prompts_.Notice(msg::kNoReadWhilePlaying);
    return;
  }
  if (!ConfirmRead()) return;
  if (IsPictureExtension(extension)) {
    LoadPicture(path);
  } else {
    ReadDataFile(path, false);
  }
}

void TEditor::ReadDataMenuClick() {
  if (mode_ == mdPlay || polylineActive_) return;
  const std::optional<std::string> path = prompts_.ChooseFile(TFileDialog::OpenData);
  if (!path) return;
  if (!IsDataFileExtension(ExtensionOf(*path))) {
    prompts_.Notice(msg::kWrongFileKind);
    return;
  }
  if (!ConfirmRead()) return;
  ReadDataFile(*path, true);
}

void TEditor::MarkSaved() {
  savedGeneration_ = doc_.History().Generation();
  savedSteps_ = doc_.History().GetStepCount();
}

bool TEditor::IsUnsaved() const {
  const std::int32_t steps = doc_.History().GetStepCount();
  return steps > 0 && (doc_.History().Generation() != savedGeneration_ || steps != savedSteps_);
}

bool TEditor::KeepReplacedDrawing() {
  if (recoveryFolder_.empty() || !IsUnsaved()) return true;
  doc_.CommitPendingResize();
  const TResult<std::filesystem::path> kept = KeepDrawing(doc_.History(), recoveryFolder_, clock_());
  if (kept) return true;
  // The user has said the drawing may go; asked again, knowing no copy stays.
  return prompts_.AskYesNo(msg::kCaptionKakunin, std::string(msg::kKeepFailed) + "\n" + kept.Reason);
}

void TEditor::ReadDataFile(const std::string& path, bool fromMenu) {
  // A file that cannot be opened, or is too large, is refused before the
  // drawing is replaced; an unsaved drawing it replaces stays in the
  // recovery folder.
  bool replaced = false;
  const TResult<> result = doc_.Read(path, prompts_, [this, &replaced] {
    if (!replaced && !KeepReplacedDrawing()) return false;
    replaced = true;
    ResetEditor();
    return true;
  });
  if (!replaced) {
    if (!result.Message.empty()) prompts_.NoticeFailure(result.Message, result.Reason);
    return;
  }
  doc_.JournalWholeHistory();
  if (!result.Ok) {
    prompts_.Notice(result.Message);
    // What was read belongs to no file: overwrite-save must not put it over
    // this one or over the drawing read before.
    SetDataFileName({});
    return;
  }
  SetDataFileName(path);
  MarkSaved();
  playback_.SetStep(doc_.History().GetStepCount());
  RebuildAtCursor();
  if (fromMenu) view_.ShowDates({});
  if (doc_.Log().ShowInternal) doc_.Log().AddLine("");
  Repaint();
}

void TEditor::LoadPicture(const std::string& path) {
  // The name goes into the history: it must survive the data file's encoding
  // and line structure.
  const TTextConversion recorded = Utf8ToCp932(path);
  if (!recorded.Ok || recorded.Text.find_first_of("\r\n") != std::string::npos) {
    prompts_.Notice(std::string(msg::kPictureNotRecordable) + path);
    return;
  }
  const TResult<> loaded = view_.LoadBackground(recorded.Text);
  if (!loaded) {
    if (!IsBackgroundNotFound(loaded)) {
      prompts_.Notice(std::string(msg::kPictureLoadFailed) + (loaded.Message.empty() ? path : loaded.Message));
    }
    return;
  }
  doc_.Replay().SetShownBackground(recorded.Text);
  doc_.RecordBackground(recorded.Text);
  Repaint();
}

void TEditor::ReadBGMenuClick() {
  if (mode_ == mdPlay || polylineActive_) return;
  if (const std::optional<std::string> path = prompts_.ChooseFile(TFileDialog::OpenBG)) LoadPicture(*path);
}

TResult<> TEditor::SaveTo(const std::string& path, TBackupRule rule) {
  const TResult<std::filesystem::path> saved = doc_.Save(path, rule);
  if (!saved) return saved.Told({});
  MarkSaved();
  return TResult<>::Done();
}

TResult<> TEditor::OverWriteDataMenuClick() {
  if (mode_ == mdPlay || polylineActive_) return TResult<>::Failed({}, "not available now");
  return OverwriteSave();
}

TResult<> TEditor::WriteDataMenuClick() {
  if (mode_ == mdPlay || polylineActive_) return TResult<>::Failed({}, "not available now");
  return SaveAs();
}

TResult<> TEditor::OverwriteSave() {
  doc_.CommitPendingResize();
  ClearSelection();
  Repaint();
  if (doc_.DataFileName().empty()) return SaveAs();
  TResult<> result = SaveTo(doc_.DataFileName(), TBackupRule::OverwriteSave);
  if (result.Ok) {
    prompts_.Notice(msg::kOverwritten);
    return result;
  }
  result.Message = msg::kOverwriteFailed;
  prompts_.NoticeFailure(result.Message, result.Reason);
  return result;
}

TResult<> TEditor::SaveAs() {
  doc_.CommitPendingResize();
  const std::optional<std::string> path = prompts_.ChooseFile(TFileDialog::SaveData);
  if (!path) return TResult<>::Failed({}, "the save dialog was cancelled");
  ClearSelection();
  Repaint();
  if (Exists(*path) && !prompts_.AskYesNo(msg::kCaptionConfirm, msg::kOverwriteExisting)) {
    prompts_.Notice(msg::kSaveCancelled);
    return TResult<>::Failed(std::string(msg::kSaveCancelled), "the user kept the existing file");
  }
  TResult<> result = SaveTo(*path, TBackupRule::SaveAs);
  if (!result.Ok) {
    result.Message = msg::kSaveAsFailed;
    prompts_.NoticeFailure(result.Message, result.Reason);
    return result;
  }
  SetDataFileName(*path);
  return result;
}

void TEditor::ClearMenuClick(TClearMenu menu) {
  if (mode_ == mdPlay || polylineActive_) return;
  doc_.CommitPendingResize();
  if (menu != TClearMenu::ClearImageMenu) {
    view_.ClearBackground();
    doc_.Replay().ForgetShownBackground();
  }
  if (menu != TClearMenu::ClearBGMenu) {
    ClearSelection();
    doc_.ClearFigures();
    ForgetStamp();
  }
  Repaint();
  doc_.RecordClear(menu == TClearMenu::ClearAllMenu  ? TActionKind::ClearAll
                   : menu == TClearMenu::ClearBGMenu ? TActionKind::CleareBG
                                                     : TActionKind::ClearDrawing);
}

void TEditor::ExitMenuClick() {
  doc_.CommitPendingResize();
  if (doc_.History().GetStepCount() == 0) {
    doc_.EndJournal();
    exitStatus_ = 0;
    return;
  }
  const bool named = !doc_.DataFileName().empty();
  const TAnswer answer =
      prompts_.AskYesNoCancel(msg::kCaptionConfirm, named ? msg::kOverwriteBeforeExit : msg::kSaveBeforeExit);
  if (answer == TAnswer::Cancel) return;
  if (answer == TAnswer::Yes) {
    // Also while watching: the history is whole then too. A cancelled or
    // failed save must not lose the drawing.
    const TResult<> saved = named ? OverwriteSave() : SaveAs();
    if (!saved.Ok) return;
  }
  doc_.EndJournal();
  exitStatus_ = 0;
}

void TEditor::ExitByForceClick() { exitStatus_ = 1; }

}  // namespace mirel
