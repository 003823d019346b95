// Watching the drawing grow: the playback buttons and the time track bar.
#include "editor/editor.h"

namespace mirel {

void TEditor::ShowPlayback(TPlayMove move) {
  if (move == TPlayMove::None) return;
  if (move == TPlayMove::Seeked) doc_.Log().LogAction(doc_.History().StepItem(playback_.Step())->Data);
  RebuildAtCursor();
  Repaint();
}

void TEditor::ForwardBtnClick() {
  if (mode_ == mdPlay) ShowPlayback(playback_.Forward(doc_.History().GetStepCount()));
}

void TEditor::ReverseBtnClick() {
  if (mode_ == mdPlay) ShowPlayback(playback_.Reverse());
}

void TEditor::StopBtnClick() {
  if (mode_ == mdPlay) ShowPlayback(playback_.Stop());
}

void TEditor::TimeTrackBarChange(std::int32_t position) {
  if (mode_ == mdPlay) ShowPlayback(playback_.Seek(position));
}

}  // namespace mirel
