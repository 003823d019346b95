#pragma once
// The visible canvas: a 640 x 480 surface shown unscaled. It only translates:
// mouse presses, moves and releases become canvas points for the form.
#include <QWidget>

#include "model/geometry.h"
#include "render/surface.h"

namespace mirel {

class TPaintBox final : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent);

  // What the canvas shows; drawing into it and calling update() shows it.
  TSurface& Canvas() { return canvas_; }
  const TSurface& Canvas() const { return canvas_; }

 signals:
  void MouseDown(mirel::TPoint p);
  void MouseMove(mirel::TPoint p);
  void MouseUp(mirel::TPoint p);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  TSurface canvas_;
  bool pressed_ = false;  // a press has come whose release has not
};

}  // namespace mirel
