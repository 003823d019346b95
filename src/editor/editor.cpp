#include "editor/editor.h"

#include "fileio/user_words.h"
#include "model/fig_ops.h"

namespace mirel {

TEditor::TEditor(IEditorView& view, IUserPrompts& prompts, TClock clock)
    : view_(view), prompts_(prompts), clock_(clock), doc_(std::move(clock)) {
  SetDrawDefaults(canvas_);
  doc_.SetDrawingChanges(view_.CanvasChanges());
}

std::string_view TEditor::PaletteHint() const {
  return paletteColor_ == clBtnFace ? msg::kNoFillChosen : msg::kColorChosen;
}

TMenuState TEditor::Menus() const {
  TMenuState menus;
  menus.FileMenu = !polylineActive_;
  menus.DataItems = mode_ != mdPlay;
  menus.DrawMenu = mode_ != mdPlay && !polylineActive_;
  menus.ToolMenu = !polylineActive_;
  return menus;
}

std::string TEditor::Caption() const {
  std::string caption(kVersionText);
  if (!doc_.DataFileName().empty()) caption += " - " + doc_.DataFileName();
  return caption;
}

void TEditor::FormCreate(const std::string& commandLineFile) {
  view_.SetCaption(Caption());
  view_.ShowDates({});
  if (!commandLineFile.empty()) OpenFileByName(commandLineFile);
}

void TEditor::SetDataFileName(std::string path) {
  doc_.SetDataFileName(std::move(path));
  view_.SetCaption(Caption());
}

// ---- The selection and what moves with it ----

void TEditor::Select(TFigItem* item) {
  doc_.Select(item);
  markedFig_ = item;
  CaptureResizeBase();
}

void TEditor::ClearSelection() { Select(nullptr); }

void TEditor::CaptureResizeBase() {
  hTrack_ = vTrack_ = 0;
  const TFigItem* item = doc_.Selected();
  resizeBase_ = item ? ResizeBaseOf(item->Data) : TResizeBase{};
}

void TEditor::ForgetStamp() {
  stamp_ = TStamp{};
  view_.ClearStampPreview();
}

void TEditor::HideTextBox() {
  if (view_.TextBoxVisible()) view_.HideTextBox();
}

void TEditor::ResetEditor() {
  ++resetCount_;
  doc_.Reset();
  polylineActive_ = false;
  dragging_ = false;
  markedFig_ = nullptr;
  CaptureResizeBase();
  mode_ = mdDraw;
  tool_ = kSelectionTool;
  playback_.SetStep(0);
  doc_.Log().Clear();
  SetDrawDefaults(canvas_);
  view_.ClearBackground();
  doc_.Replay().ForgetShownBackground();
  ForgetStamp();
  Repaint();
}

void TEditor::RebuildAtCursor() {
  markedFig_ = nullptr;
  dragging_ = false;
  const TRebuiltStep rebuilt = doc_.RebuildStep(playback_.Step(), view_);
  CaptureResizeBase();
  view_.ShowDates(rebuilt.Dates);
}

// ---- Internal log ----

void TEditor::ShowDataMenuClick() {
  doc_.Log().ShowInternal = !doc_.Log().ShowInternal;
  if (doc_.Log().ShowInternal) doc_.Log().Clear();
}

void TEditor::ClearMemoBtnClick() { doc_.Log().Clear(); }

}  // namespace mirel
