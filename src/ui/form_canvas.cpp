// The canvas and the text box. Presses, moves and releases go to the tools
// (src/ui/tools), which draw their feedback and end each gesture in one
// editor command; the text box's Enter and Escape go to the editor.
#include "ui/mirel_form.h"
#include "ui/paint_box.h"
#include "ui/text_box.h"
#include "ui/tools/canvas_tools.h"

namespace mirel {

void TMirelForm::ConnectCanvas() {
  connect(controls_.PaintBox, &TPaintBox::MouseDown, this, &TMirelForm::PaintBoxMouseDown);
  connect(controls_.PaintBox, &TPaintBox::MouseMove, this, &TMirelForm::PaintBoxMouseMove);
  connect(controls_.PaintBox, &TPaintBox::MouseUp, this, &TMirelForm::PaintBoxMouseUp);
  connect(controls_.InputEdit, &TTextBox::EnterPressed, this, &TMirelForm::InputEditEnter);
  Bind(controls_.InputEdit, &TTextBox::EscapePressed, &TEditor::InputEditEscape);
}

void TMirelForm::PaintBoxMouseDown(TPoint p) {
  Run([&] { tools_->Press(p); });
  // The keyboard goes to an open text box, else to the canvas, never to a
  // button left focused by Tab, which the next key would press.
  if (controls_.InputEdit->isVisible()) {
    controls_.InputEdit->setFocus(Qt::MouseFocusReason);
  } else {
    controls_.PaintBox->setFocus(Qt::MouseFocusReason);
  }
}

void TMirelForm::PaintBoxMouseMove(TPoint p) {
  // Drawing feedback changes nothing the controls show; in editing mode a
  // move may record a pending resize.
  if (editor_->EditorMode() == mdEdit) {
    Run([&] { tools_->Move(p); });
  } else {
    tools_->Move(p);
  }
}

void TMirelForm::PaintBoxMouseUp(TPoint p) {
  Run([&] { tools_->Release(p); });
}

void TMirelForm::InputEditEnter() {
  const QPoint topLeft = controls_.InputEdit->pos() - controls_.PaintBox->pos();
  const std::string text = controls_.InputEdit->text().toStdString();
  Run([&] { return editor_->InputEditEnter({topLeft.x(), topLeft.y()}, text); });
}

}  // namespace mirel
