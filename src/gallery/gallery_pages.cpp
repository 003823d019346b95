#include "gallery/gallery_pages.h"

#include <QUrl>

namespace mirel {
namespace {

QString Html(const QString& text) { return text.toHtmlEscaped(); }
QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString Head(const QString& title, const QString& styleSheet) {
  return QStringLiteral(
             "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
             "<title>%1</title>\n<link rel=\"stylesheet\" href=\"%2\">\n</head>\n<body>\n")
      .arg(Html(title), styleSheet);
}

// The facts of a card as a description list.
QString Facts(const TGalleryCard& card) {
  const TDrawingFacts& f = card.Facts;
  QString html = QStringLiteral("<dl class=\"facts\">\n");
  if (!f.Date.empty()) {
    html += QStringLiteral("<dt>かいた ひ</dt><dd><time datetime=\"%1\">%1</time></dd>\n").arg(Html(f.Date));
  }
  html += QStringLiteral("<dt>かいた じかん</dt><dd>%1</dd>\n").arg(Html(SpentText(f.SecondsDrawing)));
  html += QStringLiteral("<dt>てじゅん</dt><dd>%1</dd>\n").arg(f.Steps);
  html += QStringLiteral("<dt>えだわかれ</dt><dd>%1</dd>\n</dl>\n").arg(f.Branches);
  return html;
}

QString CardItem(const TGalleryCard& card) {
  if (!card.Ok()) {
    return QStringLiteral(
               "<li class=\"card failed\" data-reason=\"%2\">\n<h2>%1</h2>\n"
               "<p class=\"failure\">よみこめませんでした</p>\n</li>\n")
        .arg(Html(card.Name), Html(card.Failure));
  }
  const QString folder = QString(kWorksFolder) + '/' + UrlPart(card.Folder) + '/';
  return QStringLiteral(
             "<li class=\"card\">\n<a href=\"%1index.html\">\n"
             "<img src=\"%1picture.png\" width=\"640\" height=\"480\" alt=\"%2 の え\">\n"
             "<h2>%2</h2>\n</a>\n%3</li>\n")
      .arg(Html(folder), Html(card.Name), Facts(card));
}

}  // namespace

QString UrlPart(const QString& text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); }

QByteArray IndexPage(const std::vector<TGalleryCard>& cards) {
  QString html = Head(QStringLiteral("みんなの え"), QStringLiteral("style.css"));
  html += QStringLiteral("<header>\n<h1>みんなの え</h1>\n<p>%1 まい</p>\n</header>\n<main>\n<ul class=\"cards\">\n")
              .arg(cards.size());
  for (const TGalleryCard& card : cards) html += CardItem(card);
  html += QStringLiteral("</ul>\n</main>\n</body>\n</html>\n");
  return html.toUtf8();
}

QByteArray DrawingPage(const TGalleryCard& card) {
  const QString name = Html(card.Name);
  QString html = Head(card.Name, QStringLiteral("../../style.css"));
  html += QStringLiteral(
              "<nav><a href=\"../../index.html\">← みんなの え に もどる</a></nav>\n<main>\n<h1>%1</h1>\n"
              "<figure class=\"picture\">\n<img src=\"picture.png\" width=\"640\" height=\"480\" alt=\"%1 の "
              "できあがった え\">\n</figure>\n%2")
              .arg(name, Facts(card));
  html += QStringLiteral(
              "<section aria-labelledby=\"making\">\n<h2 id=\"making\">できるまで</h2>\n"
              "<video controls preload=\"metadata\" poster=\"picture.png\" width=\"640\" height=\"480\" "
              "aria-label=\"%1 が できるまでの どうが\">\n"
              "<source src=\"making.webm\" type=\"video/webm; codecs=vp9\">\n"
              "<source src=\"making.mp4\" type=\"video/mp4\">\n"
              "<p>この ブラウザでは どうがを みられません: <a href=\"making.mp4\">どうが (MP4)</a></p>\n"
              "</video>\n</section>\n")
              .arg(name);
  if (!card.StripSteps.empty()) {
    html += QStringLiteral(
        "<section aria-labelledby=\"strip\">\n<h2 id=\"strip\">とちゅうの え</h2>\n<ol class=\"strip\">\n");
    for (std::size_t i = 0; i < card.StripSteps.size(); ++i) {
      html += QStringLiteral(
                  "<li><img src=\"strip%1.jpg\" width=\"640\" height=\"480\" alt=\"てじゅん %2 の ところ\">"
                  "<span>てじゅん %2</span></li>\n")
                  .arg(i + 1)
                  .arg(card.StripSteps[i]);
    }
    html += QStringLiteral("</ol>\n</section>\n");
  }
  html += QStringLiteral("</main>\n</body>\n</html>\n");
  return html.toUtf8();
}

QByteArray StyleSheet() {
  return QByteArrayLiteral(R"(* { box-sizing: border-box; }
body { margin: 0; padding: 1rem; font-family: sans-serif; line-height: 1.5; color: #222; background: #fdfaf3; }
h1 { font-size: 1.8rem; margin: 0.5rem 0; }
h2 { font-size: 1.2rem; margin: 0.5rem 0; overflow-wrap: anywhere; }
img, video { display: block; max-width: 100%; height: auto; background: #fff; }
a { color: #0645ad; }
a:focus-visible { outline: 3px solid #e66a00; outline-offset: 3px; }
.cards { list-style: none; margin: 0; padding: 0; display: grid; gap: 1rem;
  grid-template-columns: repeat(auto-fill, minmax(min(100%, 16rem), 1fr)); }
.card { background: #fff; border: 1px solid #ddd; border-radius: 0.5rem; padding: 0.75rem; min-width: 0; }
.card a { text-decoration: none; color: inherit; display: block; }
.card.failed { border-color: #c33; }
.failure { color: #a00; font-weight: bold; }
.facts { display: grid; grid-template-columns: auto 1fr; gap: 0 0.75rem; margin: 0.5rem 0; }
.facts dt { color: #555; }
.facts dd { margin: 0; }
main { max-width: 60rem; margin: 0 auto; }
.picture { margin: 0; }
.strip { list-style: none; padding: 0; display: grid; gap: 0.5rem;
  grid-template-columns: repeat(auto-fill, minmax(min(100%, 10rem), 1fr)); }
.strip span { font-size: 0.9rem; color: #555; }
)");
}

}  // namespace mirel
