// The editing panel: duplicate, delete, undo, front and back, attributes,
// the text, and the two size track bars.
#include <algorithm>

#include "editor/editor.h"
#include "editor/messages.h"
#include "editor/resize.h"
#include "model/fig_ops.h"
#include "text/cp932.h"

namespace mirel {

void TEditor::DupBtnClick() {
  HideTextBox();
  TFigItem* selected = doc_.Recorder.SelectedFig;
  if (!selected) return;
  TFigItem* copy = DuplicateFig(doc_.FigList, selected);
  OffsetFig(copy->Data, 20, 20);
  // The selection moves to the copy, with a base of its own.
  Select(copy);
  doc_.Recorder.RecordCreation(TActionKind::Duplicate, copy);
  view_.Repaint();
}

void TEditor::DeleteBtnClick() {
  HideTextBox();
  if (TFigItem* selected = doc_.Recorder.SelectedFig) {
    doc_.CommitPendingResize();
    AddCopy(doc_.DeletedFigList, selected->Data);
    // The record names the figure while it is still in the drawing; only
    // then does it leave.
    doc_.Recorder.RecordEdit(TActionKind::Delete);
    DeleteFig(doc_.FigList, selected);
  }
  ClearSelection();
  view_.Repaint();
}

void TEditor::UndoBtnClick() {
  HideTextBox();
  TFigList& deleted = doc_.DeletedFigList;
  TFigItem* newest = deleted.GetTail();
  if (newest != deleted.GetHead()) {
    TFigItem* restored = AddCopy(doc_.FigList, newest->Data);
    doc_.Recorder.RecordCreation(TActionKind::Undo, restored);
    DeleteFig(deleted, newest);
  }
  view_.Repaint();
}

void TEditor::FrontBackBtnClick(bool front) {
  HideTextBox();
  TFigItem* selected = doc_.Recorder.SelectedFig;
  if (!selected) return;
  if (front) {
    if (MoveFront(doc_.FigList, selected) != 0) {
      prompts_.Notice(msg::kNoFurtherFront);
    } else {
      doc_.Recorder.RecordEdit(TActionKind::Front);
    }
  } else if (MoveBack(doc_.FigList, selected) != 0) {
    prompts_.Notice(msg::kNoFurtherBack);
  } else {
    doc_.Recorder.RecordEdit(TActionKind::Back);
  }
  view_.Repaint();
}

void TEditor::AttrChangeBtnClick(TAttrButton button) {
  HideTextBox();
  TFigItem* selected = doc_.Recorder.SelectedFig;
  if (!selected) return;
  TFigData& f = selected->Data;
  if (f.DrawingTool == dtStamp) {
    prompts_.Notice(msg::kStampUnchangeable);
    return;
  }
  const TColor c = paletteColor_;
  std::optional<TParameter> changed;
  switch (button) {
    case TAttrButton::LineColorBtn:
      if (c == clBtnFace) {
        prompts_.Notice(msg::kLineNoFill);
        return;
      }
      if (f.PenColor != c) {
        f.PenColor = c;
        changed = TParameter::LineColor;
      }
      break;
    case TAttrButton::BodyColorBtn:
      if (f.BrushColor != c) {
        f.BrushColor = c;
        changed = TParameter::BodyColor;
      }
      break;
    case TAttrButton::ThickBtn:
      if (f.PenWidth >= 30) {
        prompts_.Notice(msg::kNoThicker);
        return;
      }
      f.PenWidth += 2;
      changed = TParameter::LineWidth;
      break;
    case TAttrButton::ThinBtn:
      if (f.PenWidth <= 1) {
        prompts_.Notice(msg::kNoThinner);
        return;
      }
      f.PenWidth -= 2;
      changed = TParameter::LineWidth;
      break;
    case TAttrButton::TextColorBtn:
      if (c == clBtnFace) {
        prompts_.Notice(msg::kTextNoFill);
        return;
      }
      if (f.DrawingTool == dtText && f.TextColor != c) {
        f.TextColor = c;
        changed = TParameter::TextColor;
      }
      break;
  }
  if (!changed) return;
  doc_.Recorder.RecordChange(TActionKind::Change, *changed);
  view_.Repaint();
}

void TEditor::ChangeTextBtnClick() {
  const TFigItem* selected = doc_.Recorder.SelectedFig;
  if (!selected || selected->Data.DrawingTool != dtText) return;
  const TFigData& f = selected->Data;
  textBoxWidth_ = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{f.End.X} - f.Start.X + 30, 1, 4096));
  const std::string text = Cp932ToUtf8(f.Text).Text;
  view_.ShowTextBox(f.Start, textBoxWidth_, &text);
}

void TEditor::TrackBarChange(bool horizontal, std::int32_t position) {
  (horizontal ? hTrack_ : vTrack_) = position;
  TFigItem* selected = doc_.Recorder.SelectedFig;
  if (!selected) return;
  ResizeFigure(selected->Data, resizeBase_, horizontal ? TAxis::X : TAxis::Y, position,
               [this](const std::string& text, int points) { return view_.TextWidth(text, points); });
  doc_.Recorder.MarkPendingResize();
  view_.Repaint();
}

}  // namespace mirel
