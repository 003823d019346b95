#include "ui/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace mirel {
namespace {

TPoint CanvasPoint(const QMouseEvent& event) {
  const QPoint p = event.position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent), canvas_(CanvasWidth, CanvasHeight) {
  setFixedSize(CanvasWidth, CanvasHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the canvas
  setMouseTracking(true);                 // moves count with the button up too
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), canvas_.Image(), event->rect());
}

// Every button acts as the left one; Qt grabs the mouse from press to
// release. A second button pressed during a gesture neither starts nor ends
// one, so each gesture is one press and one release.
void TPaintBox::mousePressEvent(QMouseEvent* event) {
  if ((event->buttons() & ~event->button()) != Qt::NoButton) return;
  pressed_ = true;
  emit MouseDown(CanvasPoint(*event));
}
// A double click is two presses and two releases. From the window system the
// second press comes only as the double-click event; a press that did come
// (as some senders of synthetic events give it) is not counted twice.
void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!pressed_) mousePressEvent(event);
  event->accept();
}
void TPaintBox::mouseMoveEvent(QMouseEvent* event) { emit MouseMove(CanvasPoint(*event)); }
void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->buttons() != Qt::NoButton) return;
  pressed_ = false;
  emit MouseUp(CanvasPoint(*event));
}

}  // namespace mirel
