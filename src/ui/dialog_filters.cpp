#include "ui/dialog_filters.h"

#include <QString>

namespace mirel {

QStringList QtNameFilters(std::string_view filter) {
  const QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(u'|');
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
    if (patterns.isEmpty()) continue;
    result << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
  }
  return result;
}

}  // namespace mirel
