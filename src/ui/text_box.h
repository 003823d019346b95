#pragma once
// The text box over the canvas (InputEdit): a one-line edit that also
// reports Escape, which a plain line edit swallows.
#include <QLineEdit>

namespace mirel {

class TTextBox final : public QLineEdit {
  Q_OBJECT
 public:
  explicit TTextBox(QWidget* parent);

 signals:
  void EscapePressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace mirel
