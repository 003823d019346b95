// The canvas as pictures outside the program: the clipboard, BMP and JPEG
// files, and every step of the drawing as a series of JPEG files.
#include "editor/editor.h"
#include "editor/messages.h"
#include "text/picture_names.h"

namespace mirel {
namespace {

// The user's message for a picture that could not be written, naming it.
TResult WriteFailure(TResult written, const std::string& path) {
  if (written.Message.empty()) written.Message = std::string(msg::kPictureWriteFailed) + path;
  return written;
}

}  // namespace

void TEditor::CaptureMenuClick() {
  view_.Repaint();
  view_.CopyToClipboard();
}

std::optional<std::string> TEditor::ChooseExportFile(TFileDialog dialog) {
  if (polylineActive_) return std::nullopt;
  doc_.CommitPendingResize();
  std::optional<std::string> path = prompts_.ChooseFile(dialog);
  if (!path) return std::nullopt;
  // Exported pictures never show selection marks.
  ClearSelection();
  view_.Repaint();
  return path;
}

TResult TEditor::ExportPicture(TPictureKind kind) {
  const std::optional<std::string> path =
      ChooseExportFile(kind == TPictureKind::Bmp ? TFileDialog::SaveBMP : TFileDialog::SaveJPEG);
  if (!path) return TResult::Failed({}, "not available now, or the save dialog was cancelled");
  TResult written = view_.SavePicture(kind, *path, PictureBackupName(*path));
  if (!written.Ok) {
    written = WriteFailure(std::move(written), *path);
    prompts_.Notice(written.Message);
  }
  return written;
}

TResult TEditor::Save2BMPMenuClick() { return ExportPicture(TPictureKind::Bmp); }

TResult TEditor::Save2JPEGMenuClick() { return ExportPicture(TPictureKind::Jpeg); }

TResult TEditor::SaveAllProcessMenuClick() {
  const std::optional<std::string> path = ChooseExportFile(TFileDialog::SaveJPEG);
  if (!path) return TResult::Failed({}, "not available now, or the save dialog was cancelled");
  if (doc_.History.GetStepCount() == 0) return TResult::Done();
  return ExportProcess(*view_.StartSeries(*path), 1, 1, msg::kPictureWriteFailed);
}

TResult TEditor::SaveMovieMenuClick() {
  const std::optional<std::string> path = ChooseExportFile(TFileDialog::SaveVideo);
  if (!path) return TResult::Failed({}, "not available now, or the save dialog was cancelled");
  // The video opens on the blank canvas (step 0) and stays on the finished
  // picture for a while.
  return ExportProcess(*view_.StartVideo(*path, kMovieFps), 0, kMovieFps * kMovieHoldSeconds,
                       msg::kVideoWriteFailed);
}

TResult TEditor::ExportProcess(IFrameSink& frames, std::int32_t first, int holdLast,
                               std::string_view failureMessage) {
  view_.SetBusy(true);
  const std::int32_t last = doc_.History.GetStepCount();
  bool cancelled = false;
  bool added = true;
  for (std::int32_t n = first; added && n <= last; ++n) {
    playStep_ = n;
    RebuildAtCursor();
    view_.Repaint();
    added = frames.AddFrame(n, n == last ? holdLast : 1);
    if (added && !view_.ShowProgress(n - first + 1, last - first + 1)) {
      cancelled = true;
      break;
    }
  }
  // A cancel drops what is not written yet when the frames go.
  TFramesResult result;
  if (cancelled) {
    result.Ok = false;
    result.Detail = "cancelled";
  } else {
    result = frames.Finish();
  }
  view_.ShowProgress(0, 0);
  view_.SetBusy(false);
  if (!result.Ok && !cancelled) {
    if (result.Message.empty()) result.Message = std::string(failureMessage) + result.File;
    prompts_.Notice(result.Message);
  }
  if (mode_ == mdPlay) {
    // The playback controls show the track bar's step again.
    playStep_ = play_.Position;
    RebuildAtCursor();
    view_.Repaint();
  } else {
    // Drawing goes on from the whole drawing, also when the export stopped early.
    const bool atTail = playStep_ == last;
    playStep_ = last;
    if (!atTail) {
      RebuildAtCursor();
      view_.Repaint();
    }
  }
  return result;
}

}  // namespace mirel
