// The editing panel: duplicate, delete, undo, front and back, attributes,
// the text, and the two size track bars.
#include <algorithm>

#include "editor/editor.h"
#include "editor/messages.h"
#include "editor/resize.h"
#include "model/fig_ops.h"
#include "replay/edit_effects.h"
#include "text/cp932.h"

namespace mirel {

void TEditor::DupBtnClick() {
  HideTextBox();
  TFigItem* selected = doc_.Selected();
  if (!selected) return;
  TFigItem* copy = DuplicateFig(doc_.FigList, selected);
  OffsetFig(copy->Data, 20, 20);
  // The selection moves to the copy, with a base of its own.
  Select(copy);
  doc_.Recorder.RecordCreation(TActionKind::Duplicate, copy);
  Repaint();
}

void TEditor::DeleteBtnClick() {
  HideTextBox();
  if (TFigItem* selected = doc_.Selected()) {
    doc_.CommitPendingResize();
    // The record names the figure while it is still in the drawing; only
    // then does it leave.
    doc_.Recorder.RecordEdit(TActionKind::Delete, selected);
    DeleteFigure(doc_.FigList, doc_.DeletedFigList, selected);
  }
  ClearSelection();
  Repaint();
}

void TEditor::UndoBtnClick() {
  HideTextBox();
  if (TFigItem* restored = RestoreNewestDeleted(doc_.FigList, doc_.DeletedFigList)) {
    doc_.Recorder.RecordCreation(TActionKind::Undo, restored);
  }
  Repaint();
}

void TEditor::FrontBackBtnClick(bool front) {
  HideTextBox();
  TFigItem* selected = doc_.Selected();
  if (!selected) return;
  if (front) {
    if (MoveFront(doc_.FigList, selected) != 0) {
      prompts_.Notice(msg::kNoFurtherFront);
    } else {
      doc_.Recorder.RecordEdit(TActionKind::Front, selected);
    }
  } else if (MoveBack(doc_.FigList, selected) != 0) {
    prompts_.Notice(msg::kNoFurtherBack);
  } else {
    doc_.Recorder.RecordEdit(TActionKind::Back, selected);
  }
  Repaint();
}

void TEditor::AttrChangeBtnClick(TAttrButton button) {
  HideTextBox();
  TFigItem* selected = doc_.Selected();
  if (!selected) return;
  TFigData& f = selected->Data;
  if (f.DrawingTool == dtStamp) {
    prompts_.Notice(msg::kStampUnchangeable);
    return;
  }
  const TColor c = paletteColor_;
  TParameter parameter = TParameter::NoParameter;
  std::int64_t value = 0;
  switch (button) {
    case TAttrButton::LineColorBtn:
      if (c == clBtnFace) {
        prompts_.Notice(msg::kLineNoFill);
        return;
      }
      parameter = TParameter::LineColor;
      value = c;
      break;
    case TAttrButton::BodyColorBtn:
      parameter = TParameter::BodyColor;
      value = c;
      break;
    case TAttrButton::ThickBtn:
      if (f.PenWidth >= 30) {
        prompts_.Notice(msg::kNoThicker);
        return;
      }
      parameter = TParameter::LineWidth;
      value = f.PenWidth + 2;
      break;
    case TAttrButton::ThinBtn:
      if (f.PenWidth <= 1) {
        prompts_.Notice(msg::kNoThinner);
        return;
      }
      parameter = TParameter::LineWidth;
      value = f.PenWidth - 2;
      break;
    case TAttrButton::TextColorBtn:
      if (c == clBtnFace) {
        prompts_.Notice(msg::kTextNoFill);
        return;
      }
      // Only a text has a text colour to change.
      if (f.DrawingTool != dtText) return;
      parameter = TParameter::TextColor;
      value = c;
      break;
  }
  if (AttributeOf(f, parameter) == value) return;
  SetAttribute(f, parameter, value);
  doc_.Recorder.RecordChange(TActionKind::Change, parameter, selected);
  Repaint();
}

void TEditor::ChangeTextBtnClick() {
  const TFigItem* selected = doc_.Selected();
  if (!selected || selected->Data.DrawingTool != dtText) return;
  const TFigData& f = selected->Data;
  textBoxWidth_ = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{f.End.X} - f.Start.X + 30, 1, 4096));
  const std::string text = Cp932ToUtf8(f.Text).Text;
  view_.ShowTextBox(f.Start, textBoxWidth_, &text);
}

void TEditor::TrackBarChange(bool horizontal, std::int32_t position) {
  (horizontal ? hTrack_ : vTrack_) = position;
  TFigItem* selected = doc_.Selected();
  if (!selected) return;
  ResizeFigure(selected->Data, resizeBase_, horizontal ? TAxis::X : TAxis::Y, position,
               [this](const std::string& text, int points) { return view_.TextWidth(text, points); });
  doc_.Recorder.MarkPendingResize(selected);
  Repaint();
}

}  // namespace mirel
