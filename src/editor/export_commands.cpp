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

TResult TEditor::ExportPicture(TPictureKind kind) {
  if (polylineActive_) return TResult::Failed({}, "not available now");
  doc_.CommitPendingResize();
  const std::optional<std::string> path =
      prompts_.ChooseFile(kind == TPictureKind::Bmp ? TFileDialog::SaveBMP : TFileDialog::SaveJPEG);
  if (!path) return TResult::Failed({}, "the save dialog was cancelled");
  // The picture never shows selection marks.
  ClearSelection();
  view_.Repaint();
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
  if (polylineActive_) return TResult::Failed({}, "not available now");
  doc_.CommitPendingResize();
  const std::optional<std::string> path = prompts_.ChooseFile(TFileDialog::SaveJPEG);
  if (!path) return TResult::Failed({}, "the save dialog was cancelled");
  ClearSelection();
  view_.Repaint();
  THistoryList& history = doc_.History;
  if (history.GetStepCount() == 0) return TResult::Done();

  TResult result;
  view_.SetBusy(true);
  const std::int32_t last = history.GetStepCount();
  for (std::int32_t n = 1; n <= last; ++n) {
    playStep_ = n;
    RebuildAtCursor();
    view_.Repaint();
    const std::string frame = SeriesFrameName(*path, n);
    TResult written = view_.SavePicture(TPictureKind::Jpeg, frame, {});
    if (!written.Ok) {
      result = WriteFailure(std::move(written), frame);
      break;
    }
  }
  view_.SetBusy(false);
  if (!result.Ok) prompts_.Notice(result.Message);
  if (mode_ == mdPlay) {
    // The playback controls show the track bar's step again.
    playStep_ = play_.Position;
    RebuildAtCursor();
    view_.Repaint();
  } else {
    // Drawing goes on from the whole drawing, also when the series stopped early.
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
