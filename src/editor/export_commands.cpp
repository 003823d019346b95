// The canvas as pictures outside the program: the clipboard, BMP and JPEG
// files, and every step of the drawing as a series of JPEG files.
#include "editor/editor.h"
#include "fileio/user_words.h"
#include "text/picture_names.h"

namespace mirel {
namespace {

// The user's message for a picture that could not be written, naming it.
TResult<> WriteFailure(TResult<> written, const std::string& path) {
  if (written.Message.empty()) written.Message = std::string(msg::kPictureWriteFailed) + path;
  return written;
}

}  // namespace

void TEditor::CaptureMenuClick() {
  Repaint();
  view_.CopyToClipboard();
}

std::optional<std::string> TEditor::ChooseExportFile(TFileDialog dialog) {
  if (polylineActive_) return std::nullopt;
  doc_.CommitPendingResize();
  std::optional<std::string> path = prompts_.ChooseFile(dialog);
  if (!path) return std::nullopt;
  // Exported pictures never show selection marks.
  ClearSelection();
  Repaint();
  return path;
}

TResult<> TEditor::ExportPicture(TPictureKind kind) {
  const std::optional<std::string> path =
      ChooseExportFile(kind == TPictureKind::Bmp ? TFileDialog::SaveBMP : TFileDialog::SaveJPEG);
  if (!path) return TResult<>::Failed({}, "not available now, or the save dialog was cancelled");
  TResult<> written = view_.SavePicture(kind, *path, PictureBackupName(*path));
  if (!written.Ok) {
    written = WriteFailure(std::move(written), *path);
    prompts_.NoticeFailure(written.Message, written.Reason);
  }
  return written;
}

TResult<> TEditor::Save2BMPMenuClick() { return ExportPicture(TPictureKind::Bmp); }

TResult<> TEditor::Save2JPEGMenuClick() { return ExportPicture(TPictureKind::Jpeg); }

TResult<> TEditor::SaveAllProcessMenuClick() {
  const std::optional<std::string> path = ChooseExportFile(TFileDialog::SaveJPEG);
  if (!path) return TResult<>::Failed({}, "not available now, or the save dialog was cancelled");
  if (doc_.History().GetStepCount() == 0) return TResult<>::Done();
  return ExportProcess(*view_.StartSeries(*path), SeriesPlan(doc_.History().GetStepCount()));
}

TResult<> TEditor::SaveMovieMenuClick() {
  const std::optional<std::string> path = ChooseExportFile(TFileDialog::SaveVideo);
  if (!path) return TResult<>::Failed({}, "not available now, or the save dialog was cancelled");
  return ExportProcess(*view_.StartVideo(*path, kMovieFps), VideoPlan(doc_.History().GetStepCount(), kMovieFps));
}

TResult<> TEditor::ExportProcess(IFrameSink& frames, const TProcessPlan& plan) {
  view_.SetBusy(true);
  const std::int32_t last = doc_.History().GetStepCount();
  const std::optional<TResult<>> result = RunProcess(
      frames, plan,
      [this](std::int32_t step) {
        playback_.SetStep(step);
        RebuildAtCursor();
        Repaint();
      },
      [this](int done, int total) { return view_.ShowProgress(done, total); });
  view_.ShowProgress(0, 0);
  view_.SetBusy(false);
  if (result && !*result) prompts_.NoticeFailure(result->Message, result->Reason);
  if (mode_ == mdPlay) {
    // The playback controls show the track bar's step again.
    playback_.SetStep(playback_.Controls().Position);
    RebuildAtCursor();
    Repaint();
  } else {
    // Drawing goes on from the whole drawing, also when the export stopped early.
    const bool atTail = playback_.Step() == last;
    playback_.SetStep(last);
    if (!atTail) {
      RebuildAtCursor();
      Repaint();
    }
  }
  return result.value_or(TResult<>::Failed({}, "cancelled"));
}

}  // namespace mirel
