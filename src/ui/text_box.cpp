#include "ui/text_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace mirel {

TTextBox::TTextBox(QWidget* parent) : QLineEdit(parent) {
  setAcceptDrops(false);  // a file dropped here is opened by the window, not typed
}

void TTextBox::inputMethodEvent(QInputMethodEvent* event) {
  composing_ = !event->preeditString().isEmpty();
  QLineEdit::inputMethodEvent(event);
}

void TTextBox::focusOutEvent(QFocusEvent* event) {
  // Losing the focus ends any composition the input method had under way.
  composing_ = false;
  QLineEdit::focusOutEvent(event);
}

void TTextBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (composing_ && (enter || key == Qt::Key_Escape)) {
    // The input method commits or cancels its composition itself.
    event->accept();
    return;
  }
  if (enter) {
    emit EnterPressed();
    return;
  }
  if (key == Qt::Key_Escape) {
    emit EscapePressed();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace mirel
