#pragma once
// The text box over the canvas (InputEdit): a one-line edit that reports
// Enter and Escape. While the input method composes, both keys belong to
// the composition: Enter commits it without finishing the text.
#include <QLineEdit>

namespace mirel {

class TTextBox final : public QLineEdit {
  Q_OBJECT
 public:
  explicit TTextBox(QWidget* parent);

  bool Composing() const { return composing_; }

 signals:
  void EnterPressed();
  void EscapePressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool composing_ = false;
};

}  // namespace mirel
