#include "ui/text_box.h"

#include <QKeyEvent>

namespace mirel {

TTextBox::TTextBox(QWidget* parent) : QLineEdit(parent) {
  setAcceptDrops(false);  // a file dropped here is opened by the window, not typed
}

void TTextBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    emit EscapePressed();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace mirel
