#include "gallery/gallery_card.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace mirel {

QByteArray CardJson(const TGalleryCard& card) {
  QJsonObject json{
      {"name", card.Name},
      {"folder", card.Folder},
      {"hash", card.Hash},
      {"steps", card.Facts.Steps},
      {"branches", card.Facts.Branches},
      {"secondsDrawing", static_cast<double>(card.Facts.SecondsDrawing)},
      {"date", QString::fromStdString(card.Facts.Date)},
      {"videoSeconds", card.VideoSeconds},
  };
  QJsonArray strip;
  for (const int step : card.StripSteps) strip.append(step);
  json["stripSteps"] = strip;
  if (!card.Ok()) json["failure"] = card.Failure;
  return QJsonDocument(json).toJson();
}

std::optional<TGalleryCard> CardFromJson(const QByteArray& bytes) {
  const QJsonDocument document = QJsonDocument::fromJson(bytes);
  if (!document.isObject()) return std::nullopt;
  const QJsonObject json = document.object();
  TGalleryCard card;
  card.Name = json["name"].toString();
  card.Folder = json["folder"].toString();
  card.Hash = json["hash"].toString();
  card.Failure = json["failure"].toString();
  card.Facts.Steps = json["steps"].toInt();
  card.Facts.Branches = json["branches"].toInt();
  card.Facts.SecondsDrawing = static_cast<std::int64_t>(json["secondsDrawing"].toDouble());
  card.Facts.Date = json["date"].toString().toStdString();
  for (const QJsonValue step : json["stripSteps"].toArray()) card.StripSteps.push_back(step.toInt());
  card.VideoSeconds = json["videoSeconds"].toDouble();
  // A card without a folder leads nowhere, and one outside the works folder
  // must not be linked.
  if (card.Folder.isEmpty() || card.Folder != SiteFolderName(card.Folder)) return std::nullopt;
  return card;
}

QString SiteFolderName(const QString& name) {
  QString folder;
  for (const QChar c : name) {
    const bool unsafe = c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|#%&").contains(c);
    folder += unsafe ? QChar('_') : c;
  }
  if (folder.isEmpty() || folder.startsWith('.')) folder.prepend('_');
  return folder;
}

}  // namespace mirel
