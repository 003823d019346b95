// The editing panel: duplicate, delete, undo, front and back, attributes,
// the text, and the two size track bars.
#include <algorithm>

#include "editor/editor.h"
#include "fileio/user_words.h"
#include "text/cp932.h"

namespace mirel {

namespace {

// The notice that tells why an editing command changed nothing; none when
// there is nothing to tell.
std::string_view RefusalNotice(TEditOutcome outcome) {
  switch (outcome) {
    case TEditOutcome::StampUnchangeable:
      return msg::kStampUnchangeable;
    case TEditOutcome::NoFillForLine:
      return msg::kLineNoFill;
    case TEditOutcome::NoFillForText:
      return msg::kTextNoFill;
    case TEditOutcome::NoThicker:
      return msg::kNoThicker;
    case TEditOutcome::NoThinner:
      return msg::kNoThinner;
    case TEditOutcome::NoFurtherFront:
      return msg::kNoFurtherFront;
    case TEditOutcome::NoFurtherBack:
      return msg::kNoFurtherBack;
    case TEditOutcome::Done:
    case TEditOutcome::Unchanged:
      break;
  }
  return {};
}

}  // namespace

void TEditor::DupBtnClick() {
  HideTextBox();
  TFigItem* copy = doc_.DuplicateSelected();
  if (!copy) return;
  // The selection moves to the copy, with a base of its own.
  Select(copy);
  Repaint();
}

void TEditor::DeleteBtnClick() {
  HideTextBox();
  doc_.DeleteSelected();
  ClearSelection();
  Repaint();
}

void TEditor::UndoBtnClick() {
  HideTextBox();
  doc_.UndoDelete();
  Repaint();
}

void TEditor::FrontBackBtnClick(bool front) {
  HideTextBox();
  const TEditOutcome outcome = doc_.ReorderSelected(front);
  if (outcome == TEditOutcome::Unchanged) return;
  if (const std::string_view notice = RefusalNotice(outcome); !notice.empty()) prompts_.Notice(notice);
  Repaint();
}

void TEditor::AttrChangeBtnClick(TAttrButton button) {
  HideTextBox();
  TEditOutcome outcome = TEditOutcome::Unchanged;
  switch (button) {
    case TAttrButton::LineColorBtn:
      outcome = doc_.ChangeSelectedColor(TParameter::LineColor, paletteColor_);
      break;
    case TAttrButton::BodyColorBtn:
      outcome = doc_.ChangeSelectedColor(TParameter::BodyColor, paletteColor_);
      break;
    case TAttrButton::TextColorBtn:
      outcome = doc_.ChangeSelectedColor(TParameter::TextColor, paletteColor_);
      break;
    case TAttrButton::ThickBtn:
      outcome = doc_.ChangeSelectedPenWidth(2);
      break;
    case TAttrButton::ThinBtn:
      outcome = doc_.ChangeSelectedPenWidth(-2);
      break;
  }
  if (const std::string_view notice = RefusalNotice(outcome); !notice.empty()) prompts_.Notice(notice);
  if (outcome == TEditOutcome::Done) Repaint();
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
  if (!doc_.Selected()) return;
  doc_.ResizeSelected(resizeBase_, horizontal ? TAxis::X : TAxis::Y, position,
                      [this](const std::string& text, int points) { return view_.TextWidth(text, points); });
  Repaint();
}

}  // namespace mirel
