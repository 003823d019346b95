#include "ui/button_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>

namespace mirel {

QIcon ButtonIcon(const QString& name, QSize size) {
  QSvgRenderer renderer(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
  if (!renderer.isValid()) return {};
  QIcon icon;
  for (const int scale : {1, 2}) {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(scale);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace mirel
