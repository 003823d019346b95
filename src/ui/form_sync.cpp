// Bringing every control in line with the editor's state after a command.
// Values are set with the controls' signals blocked, so that showing a
// state never feeds back into the editor as a user's action.
#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include "ui/color_panel.h"
#include "ui/form_view.h"
#include "ui/log_pane.h"
#include "ui/mirel_form.h"
#include "ui/tools/canvas_tools.h"

namespace mirel {
namespace {

void SetSlider(QSlider& slider, int minimum, int maximum, int value) {
  const QSignalBlocker blocker(slider);
  slider.setRange(minimum, maximum);
  slider.setValue(value);
}

}  // namespace

void TMirelForm::SyncFromEditor() {
  SyncModes();
  SyncMenus();
  SyncEditPanel();
  SyncPlayback();
  SyncLogPane();
  if (tools_) tools_->Sync();
  setWindowTitle(QString::fromStdString(editor_->Caption()));
  SyncExit();
}

void TMirelForm::SyncModes() {
  const TEditorMode mode = editor_->EditorMode();
  controls_.DrawPanel->setVisible(mode == mdDraw);
  controls_.EditPanel->setVisible(mode == mdEdit);
  controls_.PlayPanel->setVisible(mode == mdPlay);
  if (mode < controls_.ModeButtons.size()) controls_.ModeButtons[mode]->setChecked(true);

  const std::uint8_t tool = editor_->CurrentTool();
  if (tool < controls_.ToolButtons.size()) controls_.ToolButtons[tool]->setChecked(true);
  controls_.ToolButtons[dtStamp]->setEnabled(editor_->Stamp().Available());
}

void TMirelForm::SyncMenus() {
  const TMenuState state = editor_->Menus();
  menus_.FileMenu->menuAction()->setEnabled(state.FileMenu);
  for (QAction* item : {menus_.ReadDataMenu, menus_.OverWriteDataMenu, menus_.WriteDataMenu}) {
    item->setEnabled(state.DataItems);
  }
  menus_.DrawMenu->menuAction()->setEnabled(state.DrawMenu);
  menus_.ToolMenu->menuAction()->setEnabled(state.ToolMenu);
}

void TMirelForm::SyncEditPanel() {
  SetSlider(*controls_.HTrackBar, -99, 100, editor_->HTrackPosition());
  SetSlider(*controls_.VTrackBar, -99, 100, editor_->VTrackPosition());
  controls_.ConfirmPanel->SetColor(editor_->PaletteColor());
  const std::string_view hint = editor_->PaletteHint();
  const QString hintText = QString::fromUtf8(hint.data(), static_cast<qsizetype>(hint.size()));
  controls_.ConfirmPanel->setToolTip(hintText);
  controls_.ConfirmPanel->setAccessibleName(hintText);
}

void TMirelForm::SyncPlayback() {
  const TPlayControls& play = editor_->Playback().Controls();
  controls_.ReverseBtn->setEnabled(play.ReverseEnabled);
  controls_.StopBtn->setEnabled(play.StopEnabled);
  controls_.ForwardBtn->setEnabled(play.ForwardEnabled);
  SetSlider(*controls_.TimeTrackBar, 0, play.Maximum, play.Position);
}

void TMirelForm::SyncLogPane() {
  const bool shown = editor_->ShowInternal();
  controls_.Memo->setVisible(shown);
  controls_.ClearMemoBtn->setVisible(shown);
  if (shown != logShown_) {
    logShown_ = shown;
    menus_.ShowDataMenu->setText(
        QString::fromUtf8(shown ? kShowDataCaptionHide : kShowDataCaptionShow));
    SetOuterSize(shown ? 990 : 810, 620);
  }
  controls_.Memo->ShowLines(editor_->Document().Log().Lines());
}

void TMirelForm::SyncExit() {
  const std::optional<int> status = editor_->ExitStatus();
  if (!status || exitRequested_) return;
  exitRequested_ = true;
  emit ExitRequested(*status);
}

}  // namespace mirel
