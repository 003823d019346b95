// Watching the drawing grow: the playback buttons and the time track bar.
#include <algorithm>

#include "editor/editor.h"

namespace mirel {

void TEditor::SetTimeTrackBar(std::int32_t position) {
  // Setting the bar raises its change only when the position really changes.
  if (position != play_.Position) TimeTrackBarChange(position);
}

void TEditor::ForwardBtnClick() {
  const std::int32_t last = doc_.History.GetStepCount();
  if (mode_ != mdPlay || playStep_ >= last) return;
  ++playStep_;
  play_.ReverseEnabled = true;
  const std::int32_t position = play_.Position + 1;
  if (position != play_.Position && position <= play_.Maximum) {
    SetTimeTrackBar(position);  // rebuilds and shows the step
  } else {
    RebuildAtCursor();
    Repaint();
  }
  if (playStep_ == last) play_.ForwardEnabled = false;
}

void TEditor::ReverseBtnClick() {
  if (mode_ != mdPlay || playStep_ <= 0) return;
  --playStep_;
  play_.ForwardEnabled = true;
  const std::int32_t position = play_.Position - 1;
  if (position >= 0) {
    SetTimeTrackBar(position);
  } else {
    RebuildAtCursor();
    Repaint();
  }
  if (playStep_ == 0) play_.ReverseEnabled = false;
}

void TEditor::StopBtnClick() {
  if (mode_ != mdPlay) return;
  playStep_ = 0;
  play_.ForwardEnabled = true;
  play_.StopEnabled = true;
  play_.ReverseEnabled = false;
  if (play_.Position != 0) {
    SetTimeTrackBar(0);
  } else {
    RebuildAtCursor();
    Repaint();
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
  playStep_ = p;
  doc_.Log.LogAction(doc_.History.StepItem(p)->Data);
  RebuildAtCursor();
  Repaint();
}

}  // namespace mirel
