#include "ui/color_panel.h"

#include <QKeyEvent>
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

void TColorPanel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit Clicked();
      return;
    default:
      QFrame::keyPressEvent(event);
  }
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
    if (hasFocus()) {
      // A dark and a light ring, so the focus shows on every colour.
      painter.setRenderHint(QPainter::Antialiasing, false);
      painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
      painter.drawRect(inside.adjusted(0, 0, -1, -1));
      painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
      painter.drawRect(inside.adjusted(1, 1, -2, -2));
    }
  }
  QFrame::paintEvent(event);  // the bevel
}

}  // namespace mirel
