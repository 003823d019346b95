#pragma once
// One drawing of the gallery as its card and page show it, kept beside its
// outputs (card.json) so that a later run can tell whether the drawing
// changed and the index can be written from the outputs alone.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "gallery/drawing_facts.h"

namespace mirel {

struct TGalleryCard {
  QString Name;     // the file's name as shown, without folders
  QString Folder;   // its folder under the site's works folder
  QString Hash;     // SHA-256 of the data file, hexadecimal
  QString Failure;  // why the drawing could not be read; empty when it was
  TDrawingFacts Facts;
  std::vector<int> StripSteps;  // the steps of strip1.jpg ... along the way
  double VideoSeconds = 0;
  bool Ok() const { return Failure.isEmpty(); }
};

QByteArray CardJson(const TGalleryCard& card);
std::optional<TGalleryCard> CardFromJson(const QByteArray& json);

// A folder name for the drawing named `name` that is safe on every common
// file system: characters that some systems refuse or that mean something
// in a URL become "_".
QString SiteFolderName(const QString& name);

}  // namespace mirel
