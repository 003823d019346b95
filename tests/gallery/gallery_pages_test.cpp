// The pages a browser opens: names escaped in the text and in the links,
// Japanese and UTF-8, nothing from the network, every picture described.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QUrl>

#include "gallery/gallery_pages.h"

namespace mirel {
namespace {

TGalleryCard Card(const QString& name) {
  TGalleryCard card;
  card.Name = name;
  card.Folder = SiteFolderName(name);
  card.Facts = {40, 1, 125, "2026-03-01"};
  card.StripSteps = {8, 16, 24, 32};
  return card;
}

// Every src and href of a page.
QStringList Links(const QString& html) {
  QStringList links;
  const QRegularExpression attribute(R"re((?:src|href|poster)="([^"]*)")re");
  for (auto it = attribute.globalMatch(html); it.hasNext();) links << it.next().captured(1);
  return links;
}

TEST(GalleryPages, HostileNamesShowAsTheyAreAndLinkToTheirOwnFolder) {
  const std::vector<QString> names = {"<script>alert(1)</script>", "a&b #1", "\"quoted\" 'single'",
                                      QString::fromUtf8("はなこ の え"), "50% ?x=1"};
  std::vector<TGalleryCard> cards;
  for (const QString& name : names) cards.push_back(Card(name));
  const QString index = QString::fromUtf8(IndexPage(cards));
  EXPECT_FALSE(index.contains("<script")) << "a name never becomes markup";
  for (const TGalleryCard& card : cards) {
    EXPECT_TRUE(index.contains("<h2>" + card.Name.toHtmlEscaped() + "</h2>")) << card.Name.toStdString();
    const QString page = QString::fromUtf8(DrawingPage(card));
    EXPECT_TRUE(page.contains("<h1>" + card.Name.toHtmlEscaped() + "</h1>"));
    EXPECT_TRUE(page.contains("<title>" + card.Name.toHtmlEscaped() + "</title>"));
    EXPECT_FALSE(page.contains("<script"));
  }
  // Each card's link, read back as a browser does (entities, then
  // percent-decoding), names the drawing's folder.
  QStringList folders;
  for (const QString& link : Links(index)) {
    if (!link.endsWith("/index.html")) continue;
    QString decoded = link;
    decoded.replace("&amp;", "&").replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">");
    const QUrl url(decoded);
    ASSERT_TRUE(url.isValid()) << link.toStdString();
    EXPECT_TRUE(url.query().isEmpty() && url.fragment().isEmpty()) << link.toStdString();
    folders << url.path(QUrl::FullyDecoded).section('/', 1, 1);
  }
  QStringList expected;
  for (const TGalleryCard& card : cards) expected << card.Folder;
  EXPECT_EQ(folders, expected);
}

TEST(GalleryPages, JapaneseUtf8PagesWithNothingFromTheNetworkAndEveryPictureDescribed) {
  TGalleryCard broken = Card("broken");
  broken.Failure = "データフォーマットが違います <line 3>";
  const std::vector<QString> pages = {QString::fromUtf8(IndexPage({Card("one"), broken})),
                                      QString::fromUtf8(DrawingPage(Card("one")))};
  for (const QString& page : pages) {
    EXPECT_TRUE(page.startsWith("<!DOCTYPE html>\n<html lang=\"ja\">"));
    EXPECT_TRUE(page.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(page.contains("name=\"viewport\""));
    for (const QString& link : Links(page)) {
      EXPECT_FALSE(link.contains(':')) << "relative links only: " << link.toStdString();
    }
    const QRegularExpression image("<img [^>]*>");
    for (auto it = image.globalMatch(page); it.hasNext();) {
      EXPECT_TRUE(it.next().captured(0).contains(QRegularExpression(R"(alt="[^"]+")")));
    }
    EXPECT_FALSE(page.contains("<script"));
  }
  // The broken drawing's card says so, with the reason in the source only.
  EXPECT_TRUE(pages[0].contains(QString::fromUtf8("よみこめませんでした")));
  EXPECT_TRUE(pages[0].contains("data-reason=\"" + broken.Failure.toHtmlEscaped() + "\""));
  EXPECT_EQ(pages[0].count("<li class=\"card"), 2);
  // The video is labelled, has both encodings and a poster.
  EXPECT_TRUE(pages[1].contains(QRegularExpression(R"(<video [^>]*aria-label="[^"]+")")));
  EXPECT_TRUE(pages[1].contains("making.webm") && pages[1].contains("making.mp4"));
  EXPECT_TRUE(pages[1].contains("poster=\""));
  EXPECT_TRUE(QString::fromUtf8(StyleSheet()).contains("max-width: 100%"));
}

}  // namespace
}  // namespace mirel
