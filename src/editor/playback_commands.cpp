// Watching the drawing grow: the playback buttons and the time track bar.
#include <algorithm>

#include "editor/editor.h"

namespace mirel {

void TEditor::SetTimeTrackBar(std::int32_t position) {
  // Setting the bar raises its change only when the position really changes.
  if (position != play_.Position) TimeTrackBarChange(position);
}

void TEditor::ForwardBtnClick() {
  if (mode_ != mdPlay || !playCursor_->Next()) return;
  playCursor_ = playCursor_->Next();
  play_.ReverseEnabled = true;
  const std::int32_t position = play_.Position + 1;
  if (position != play_.Position && position <= play_.Maximum) {
    SetTimeTrackBar(position);  // rebuilds and shows the step
  } else {
    RebuildAtCursor();
    view_.Repaint();
  }
  if (!playCursor_->Next()) play_.ForwardEnabled = false;
}

void TEditor::ReverseBtnClick() {
  if (mode_ != mdPlay || playCursor_ == doc_.History.GetHead()) return;
  playCursor_ = playCursor_->Prev();
  play_.ForwardEnabled = true;
  const std::int32_t position = play_.Position - 1;
  if (position >= 0) {
    SetTimeTrackBar(position);
  } else {
    RebuildAtCursor();
    view_.Repaint();
  }
  if (playCursor_ == doc_.History.GetHead()) play_.ReverseEnabled = false;
}

void TEditor::StopBtnClick() {
  if (mode_ != mdPlay) return;
  playCursor_ = doc_.History.GetHead();
  play_.ForwardEnabled = true;
  play_.StopEnabled = true;
  play_.ReverseEnabled = false;
  if (play_.Position != 0) {
    SetTimeTrackBar(0);
  } else {
    RebuildAtCursor();
    view_.Repaint();
  }
}

void TEditor::TimeTrackBarChange(std::int32_t position) {
  if (mode_ != mdPlay) return;
  const std::int32_t p = std::clamp(position, 0, play_.Maximum);
  play_.Position = p;
  if (p == 0) {
    play_.ReverseEnabled = false;
  } else if (p == play_.Maximum) {
    play_.ForwardEnabled = false;
  } else {
    play_.ReverseEnabled = play_.ForwardEnabled = true;
  }
  playCursor_ = doc_.History.StepItem(p);
  doc_.Log.LogAction(playCursor_->Data);
  RebuildAtCursor();
  view_.Repaint();
}

}  // namespace mirel
