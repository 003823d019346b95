#pragma once
// The gallery's web pages: plain HTML and CSS in UTF-8, nothing fetched
// from the network, working from file://. Names from the drawings are
// escaped in the text and in the links.
#include <QByteArray>
#include <QString>
#include <vector>

#include "gallery/gallery_card.h"

namespace mirel {

// The folder under the site that holds one folder per drawing.
inline constexpr char kWorksFolder[] = "works";

// `text` as a part of a URL path (UTF-8, percent-encoded).
QString UrlPart(const QString& text);

QByteArray IndexPage(const std::vector<TGalleryCard>& cards);
QByteArray DrawingPage(const TGalleryCard& card);
QByteArray StyleSheet();

}  // namespace mirel
