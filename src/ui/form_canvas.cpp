// The canvas and the text box. The drawing tools' gestures (rubber bands,
// strokes, polylines, stamps) are handled by the tool handlers; here a press
// selects (switching to editing mode with the selection tool) or opens the
// text box, and editing mode's presses, moves and releases select and drag.
#include "ui/mirel_form.h"
#include "ui/paint_box.h"
#include "ui/text_box.h"

namespace mirel {

void TMirelForm::ConnectCanvas() {
  connect(controls_.PaintBox, &TPaintBox::MouseDown, this, &TMirelForm::PaintBoxMouseDown);
  connect(controls_.PaintBox, &TPaintBox::MouseMove, this, &TMirelForm::PaintBoxMouseMove);
  connect(controls_.PaintBox, &TPaintBox::MouseUp, this, &TMirelForm::PaintBoxMouseUp);
  connect(controls_.InputEdit, &QLineEdit::returnPressed, this, &TMirelForm::InputEditEnter);
  connect(controls_.InputEdit, &TTextBox::EscapePressed, this, &TMirelForm::InputEditEscape);
}

void TMirelForm::PaintBoxMouseDown(TPoint p) {
  TEditor& editor = *editor_;
  switch (editor.EditorMode()) {
    case mdDraw:
      if (editor.CurrentTool() == kSelectionTool) {
        Run([&] { editor.PressWithSelectionTool(p); });
      } else if (editor.CurrentTool() == dtText) {
        Run([&] { editor.PressWithTextTool(p); });
      }
      break;
    case mdEdit: Run([&] { editor.EditPress(p); }); break;
    case mdPlay: break;  // watching: the canvas only shows
  }
}

void TMirelForm::PaintBoxMouseMove(TPoint p) {
  // A move in editing mode may record a pending resize.
  if (editor_->EditorMode() == mdEdit) Run([&] { editor_->EditMove(p); });
}

void TMirelForm::PaintBoxMouseUp(TPoint p) {
  if (editor_->EditorMode() == mdEdit) Run([&] { editor_->EditRelease(p); });
}

void TMirelForm::InputEditEnter() {
  const QPoint topLeft = controls_.InputEdit->pos() - controls_.PaintBox->pos();
  const std::string text = controls_.InputEdit->text().toStdString();
  Run([&] { return editor_->InputEditEnter({topLeft.x(), topLeft.y()}, text); });
}

void TMirelForm::InputEditEscape() {
  Run([this] { editor_->InputEditEscape(); });
}

}  // namespace mirel
