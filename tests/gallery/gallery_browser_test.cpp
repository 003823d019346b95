// The gallery in a real browser (Debian's headless Chromium, from file://,
// no network): every picture decodes at 640 x 480, every video reaches its
// metadata with the length its card gives, the index lists every drawing,
// and at a phone's and a desktop's width the cards are there and nothing
// scrolls sideways.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "gallery/gallery_card.h"
#include "gallery/gallery_site.h"
#include "support/qt_files.h"

namespace mirel {
namespace {

// Runs Chromium on `page` with `extra` arguments; its standard output.
QByteArray Chromium(const QString& page, const QStringList& extra) {
  const QString program = QStandardPaths::findExecutable("chromium");
  if (program.isEmpty()) {
    ADD_FAILURE() << "chromium is missing: scripts/install-deps.sh installs it";
    return {};
  }
  const QTemporaryDir profile;
  QProcess chromium;
  chromium.start(program, QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                                      "--disable-background-networking", "--disable-component-update",
                                      "--disable-sync", "--user-data-dir=" + profile.path()} +
                              extra + QStringList{QUrl::fromLocalFile(page).toString()});
  EXPECT_TRUE(chromium.waitForFinished(180000));
  return chromium.readAllStandardOutput();
}

// Shows `page` (relative to `site`) in a frame `width` pixels wide, loads
// every picture and video of `media` beside it and reports their sizes and
// lengths and the framed page's layout.
const char* const kProbePage = R"(<!DOCTYPE html>
<html><body style="margin: 0"><iframe id="page" src="PAGE" style="border: 0; width: WIDTHpx; height: 900px"></iframe>
<pre id="probe">pending</pre><script>
function picture(src) { return new Promise(done => { const i = new Image();
  i.onload = () => done({src, w: i.naturalWidth, h: i.naturalHeight}); i.onerror = () => done({src, error: 1});
  i.src = src; }); }
function video(src) { return new Promise(done => { const v = document.createElement('video'); v.preload = 'metadata';
  v.onloadedmetadata = () => done({src, duration: v.duration, w: v.videoWidth, h: v.videoHeight});
  v.onerror = () => done({src, error: 1}); v.src = src; }); }
const media = MEDIA;
document.getElementById('page').addEventListener('load', () => Promise.all(media.map(m => m.video ? video(m.src) : picture(m.src))).then(loaded => {
  const d = document.getElementById('page').contentDocument;
  const cards = [...d.querySelectorAll('.card')];
  document.getElementById('probe').textContent = JSON.stringify({loaded,
    viewport: d.documentElement.clientWidth, scrollWidth: d.documentElement.scrollWidth,
    cards: cards.map(c => { const r = c.getBoundingClientRect(); const img = c.querySelector('img');
      return {left: r.left, right: r.right, name: c.querySelector('h2').textContent, picture: img ? img.naturalWidth : 0}; })});
}));
</script></body></html>
)";

QJsonObject Probe(const QString& site, const QString& page, int width, const QJsonArray& media = {}) {
  const QString probe = site + "/probe.html";
  test::WriteBytes(probe, QByteArray(kProbePage)
                   .replace("PAGE", page.toUtf8())
                   .replace("WIDTH", QByteArray::number(width))
                   .replace("MEDIA", QJsonDocument(media).toJson(QJsonDocument::Compact)));
  // Framed pages of the same folder tree may be looked into.
  const QByteArray dom = Chromium(probe, {"--allow-file-access-from-files", "--hide-scrollbars",
                                          "--window-size=" + QString::number(std::max(width, 800)) + ",1000",
                                          "--virtual-time-budget=20000", "--dump-dom"});
  const QRegularExpressionMatch match = QRegularExpression(R"(<pre id="probe">([^<]*)</pre>)").match(QString::fromUtf8(dom));
  EXPECT_TRUE(match.hasMatch()) << dom.left(2000).toStdString();
  QString json = match.captured(1);
  json.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
  return QJsonDocument::fromJson(json.toUtf8()).object();
}

TEST(GalleryInBrowser, PicturesVideosAndTheIndexAtPhoneAndDesktopWidths) {
  const test::TClassFolder folder;
  ASSERT_EQ(folder.Build().ExitCode, 1);
  const QString site = folder.Site();

  // Every drawing's pictures and videos, from its own page's folder.
  QJsonArray media;
  std::map<QString, double> lengths;
  int drawings = 0;
  for (const char* works : {"hana", "_script_", "a_b _1"}) {
    const std::optional<TGalleryCard> card = CardFromJson(test::ReadBytes(site + "/works/" + works + "/card.json"));
    ASSERT_TRUE(card) << works;
    const QString base = "works/" + QString::fromLatin1(QUrl::toPercentEncoding(works)) + "/";
    media.append(QJsonObject{{"src", base + "picture.png"}});
    for (std::size_t i = 1; i <= card->StripSteps.size(); ++i) {
      media.append(QJsonObject{{"src", base + "strip" + QString::number(i) + ".jpg"}});
    }
    for (const char* file : {"making.webm", "making.mp4"}) {
      media.append(QJsonObject{{"src", base + file}, {"video", true}});
      lengths[base + file] = card->VideoSeconds;
    }
    ++drawings;
  }
  const QJsonObject loaded = Probe(site, "index.html", 1280, media);
  int pictures = 0;
  int videos = 0;
  for (const QJsonValue value : loaded["loaded"].toArray()) {
    const QJsonObject item = value.toObject();
    const QString src = item["src"].toString();
    EXPECT_FALSE(item.contains("error")) << src.toStdString();
    EXPECT_EQ(item["w"].toInt(), 640) << src.toStdString();
    EXPECT_EQ(item["h"].toInt(), 480) << src.toStdString();
    if (lengths.contains(src)) {
      EXPECT_NEAR(item["duration"].toDouble(), lengths[src], 0.15) << src.toStdString();
      EXPECT_GT(lengths[src], 2.0);
      ++videos;
    } else {
      ++pictures;
    }
  }
  EXPECT_EQ(videos, 2 * drawings);
  EXPECT_GE(pictures, 5 * drawings);

  // The index at a phone's and a desktop's width: every drawing's card,
  // each inside the screen, and no sideways scrolling.
  for (const int width : {390, 1280}) {
    const QJsonObject layout = Probe(site, "index.html", width);
    EXPECT_EQ(layout["viewport"].toInt(), width);
    EXPECT_LE(layout["scrollWidth"].toInt(), layout["viewport"].toInt()) << "at " << width;
    QStringList names;
    for (const QJsonValue value : layout["cards"].toArray()) {
      const QJsonObject card = value.toObject();
      names << card["name"].toString();
      EXPECT_GE(card["left"].toDouble(), 0) << width;
      EXPECT_LE(card["right"].toDouble(), width) << width;
      if (card["name"].toString() != "broken") {
        EXPECT_EQ(card["picture"].toInt(), 640) << width;
      }
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{"<script>", "a&b #1", "broken", "hana"})) << width;
    // A screenshot at that width shows the page (for the eye; the layout is
    // checked above): the frame of the probe page.
    const QString shot = folder.Dir.filePath(QString("index-%1.png").arg(width));
    Chromium(site + "/probe.html", {"--allow-file-access-from-files", "--hide-scrollbars", "--screenshot=" + shot,
                                    "--window-size=" + QString::number(std::max(width, 800)) + ",900"});
    const QImage image = QImage(shot).copy(0, 0, width, 900);
    EXPECT_EQ(image.width(), width);
    int inked = 0;
    for (int y = 0; y < image.height(); y += 2) {
      for (int x = 0; x < image.width(); x += 2) inked += image.pixelColor(x, y).lightness() < 200 ? 1 : 0;
    }
    EXPECT_GT(inked, 2000) << "the page's pictures and text, not a blank";
    if (qEnvironmentVariableIsSet("MIREL_GALLERY_SHOTS")) {
      image.save(qEnvironmentVariable("MIREL_GALLERY_SHOTS") + QString("/index-%1.png").arg(width));
    }
  }
  // The drawing's own page shows its video with both encodings.
  const QJsonObject page = Probe(site, "works/hana/index.html", 390);
  EXPECT_LE(page["scrollWidth"].toInt(), page["viewport"].toInt());
}

}  // namespace
}  // namespace mirel
