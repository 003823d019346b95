#include "ui/color_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/system_colors.h"

namespace mirel {

TColorPanel::TColorPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
}

void TColorPanel::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void TColorPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
  QFrame::mousePressEvent(event);
}

void TColorPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, ColorFromValue(color_));
    if (color_ == clBtnFace) {
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(QPen(QColor(220, 30, 30), 2));
      painter.drawLine(inside.bottomLeft(), inside.topRight());
    }
  }
  QFrame::paintEvent(event);  // the bevel
}

}  // namespace mirel
