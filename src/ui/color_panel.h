#pragma once
// A palette panel: a bevelled patch of one colour that reports clicks. The
// no-fill colour (clBtnFace) shows as the button face crossed by a red line,
// so "nothing" is visible as a choice. Space or Return chooses it from the
// keyboard, as a click does.
#include <QFrame>

#include "model/geometry.h"

namespace mirel {

class TColorPanel final : public QFrame {
  Q_OBJECT
 public:
  explicit TColorPanel(QWidget* parent);

  void SetColor(TColor color);
  TColor Color() const { return color_; }

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TColor color_ = clBlack;
};

}  // namespace mirel
