#include "ui/focus_ring.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace mirel {
namespace {

constexpr int kRingWidth = 3;
const QColor kRingColor(255, 140, 0);  // orange: apart from every control's own colours

}  // namespace

TFocusRing::TFocusRing(QWidget& client, std::vector<QWidget*> controls)
    : QWidget(&client), client_(client), controls_(std::move(controls)) {
  setObjectName(QStringLiteral("FocusRing"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
}

void TFocusRing::Follow(QWidget* focused) {
  if (!focused || std::find(controls_.begin(), controls_.end(), focused) == controls_.end()) {
    hide();
    return;
  }
  const QRect place(focused->mapTo(&client_, QPoint(0, 0)), focused->size());
  setGeometry(place.adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth));
  raise();
  show();
}

void TFocusRing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(kRingColor, kRingWidth));
  const int inset = kRingWidth / 2;
  painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

}  // namespace mirel
