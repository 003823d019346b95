// Mode buttons, tool buttons, the palette and leaving watching mode.
#include "editor/editor.h"
#include "fileio/user_words.h"
#include "model/fig_ops.h"

namespace mirel {

bool TEditor::LeavePlay() {
  const THistoryList& history = doc_.History();
  if (playback_.Step() != history.GetStepCount()) {
    switch (prompts_.AskYesNoCancel(msg::kCaptionKakunin, msg::kResumeHere)) {
      case TAnswer::Yes: {
        // The later records stay in the history; the Branch after them
        // makes the drawing go on from the step shown.
        doc_.ResumeFrom(playback_.Step());
        break;
      }
      case TAnswer::No:
        playback_.SetStep(history.GetStepCount());
        break;
      case TAnswer::Cancel:
        return false;
    }
  }
  return true;
}

void TEditor::SellectDrawBtnClick() {
  if (polylineActive_) return;
  doc_.CommitPendingResize();
  SetDrawDefaults(canvas_);
  if (mode_ == mdEdit) {
    ClearSelection();
    HideTextBox();
  } else if (mode_ == mdPlay) {
    ClearSelection();
    if (!LeavePlay()) return;
    mode_ = mdDraw;  // before the rebuild: the menus are enabled again
    RebuildAtCursor();
  }
  mode_ = mdDraw;
  tool_ = kSelectionTool;
  Repaint();
}

void TEditor::SellectEditBtnClick() {
  if (polylineActive_) return;
  doc_.CommitPendingResize();
  ClearSelection();
  if (mode_ == mdDraw) {
    HideTextBox();
  } else if (mode_ == mdPlay) {
    if (!LeavePlay()) return;
    mode_ = mdEdit;
    RebuildAtCursor();
  }
  tool_ = kSelectionTool;
  mode_ = mdEdit;
  Repaint();
}

void TEditor::SellectPlayBtnClick() {
  if (polylineActive_) return;
  doc_.CommitPendingResize();
  ClearSelection();
  if (mode_ == mdPlay) return;
  if (doc_.History().GetStepCount() == 0) {
    prompts_.Notice(msg::kNothingToPlay);
    tool_ = kSelectionTool;
    return;
  }
  EnterPlayMode();
}

void TEditor::EnterPlayMode() {
  mode_ = mdPlay;
  view_.ClearBackground();
  doc_.Replay().ForgetShownBackground();
  doc_.ClearFigures();
  ClearSelection();
  ForgetStamp();
  HideTextBox();
  const TPlayMove move = playback_.Enter(doc_.History().GetStepCount());
  // Step 0 shows no date, also when the track bar already stood at 0.
  view_.ShowDates({});
  ShowPlayback(move);
  Repaint();
}

void TEditor::DrawingBtnClick(std::uint8_t tool) {
  if (polylineActive_ || tool > kStampSetupTool) return;
  if (tool == dtStamp && !stamp_.Available()) return;
  tool_ = tool;
  if (tool != dtText) HideTextBox();
}

void TEditor::ColorPanelClick(int panel) {
  if (panel < 1 || panel > 16) return;
  paletteColor_ = kPaletteColors[panel - 1];
}

void TEditor::ClearPanelClick() { paletteColor_ = clBtnFace; }

void TEditor::DrawMenuClick() {
  if (polylineActive_) return;
  tool_ = kSelectionTool;
}

}  // namespace mirel
