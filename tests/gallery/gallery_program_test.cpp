// mirel-batch gallery as a teacher runs it: every drawing gets its page, a
// bad drawing gets a card and the exit status 1 without stopping the
// others, a second run rebuilds only what changed, and --index-only writes
// the index from the outputs alone.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <filesystem>

#include "gallery/gallery_card.h"
#include "gallery/gallery_site.h"
#include "support/qt_files.h"

namespace mirel {
namespace {

std::filesystem::file_time_type Written(const QString& path) {
  std::error_code ec;
  return std::filesystem::last_write_time(path.toStdString(), ec);
}

TEST(GalleryProgram, BuildsEveryDrawingTellsTheBadOneAndRebuildsOnlyWhatChanged) {
  const test::TClassFolder folder;
  const test::TRun first = folder.Build();
  EXPECT_EQ(first.ExitCode, 1) << first.Err.toStdString();
  EXPECT_TRUE(first.Err.contains("broken.mrl")) << first.Err.toStdString();
  EXPECT_EQ(first.Err.count("mirel-batch: "), 1) << "one message, for the bad drawing: " << first.Err.toStdString();

  const QString index = QString::fromUtf8(test::ReadBytes(folder.Site() + "/index.html"));
  for (const char* name : {"hana", "&lt;script&gt;", "a&amp;b #1", "broken"}) {
    EXPECT_TRUE(index.contains(QString("<h2>") + name + "</h2>")) << name;
  }
  EXPECT_TRUE(index.contains(QString::fromUtf8("よみこめませんでした")));
  for (const char* works : {"hana", "_script_", "a_b _1"}) {
    const QString out = folder.Site() + "/works/" + works;
    EXPECT_EQ(QImage(out + "/picture.png").size(), QSize(640, 480)) << works;
    EXPECT_EQ(QImage(out + "/strip1.jpg").size(), QSize(640, 480)) << works;
    for (const char* file : {"making.webm", "making.mp4", "index.html", "card.json"}) {
      EXPECT_GT(QFileInfo(out + "/" + file).size(), 0) << works << "/" << file;
    }
  }
  EXPECT_TRUE(QFileInfo(folder.Site() + "/manifest.json").isFile());
  // No temporary files left anywhere.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Site().toStdString())) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }

  // The same again: nothing is built anew; one drawing changes: it alone is.
  const QString hana = folder.Site() + "/works/hana/making.webm";
  const QString other = folder.Site() + "/works/a_b _1/making.webm";
  const auto hanaBefore = Written(hana);
  const auto otherBefore = Written(other);
  ASSERT_EQ(folder.Build().ExitCode, 1);
  EXPECT_EQ(Written(hana), hanaBefore);
  EXPECT_EQ(Written(other), otherBefore);
  ASSERT_TRUE(QFile::remove(folder.Drawings() + "/a&b #1.mrl"));
  ASSERT_TRUE(QFile::copy(QString(MIREL_TEST_DATA) + "/good_every_kind.mrl", folder.Drawings() + "/a&b #1.mrl"));
  const test::TRun changed = folder.Build();
  EXPECT_EQ(changed.ExitCode, 1);
  EXPECT_EQ(Written(hana), hanaBefore);
  EXPECT_NE(Written(other), otherBefore);
  const std::optional<TGalleryCard> card = CardFromJson(test::ReadBytes(folder.Site() + "/works/a_b _1/card.json"));
  ASSERT_TRUE(card);
  EXPECT_EQ(card->Name, "a&b #1");

  // The index again from the outputs alone gives the same page.
  const QByteArray built = test::ReadBytes(folder.Site() + "/index.html");
  ASSERT_TRUE(QFile::remove(folder.Site() + "/index.html"));
  EXPECT_EQ(test::RunBatch({"gallery", "--index-only", folder.Site()}).ExitCode, 1) << "the bad drawing still counts";
  EXPECT_EQ(test::ReadBytes(folder.Site() + "/index.html"), built);
}

TEST(GalleryProgram, WrongUsesAreToldWithTheUsage) {
  const test::TClassFolder folder;
  const QStringList wrong[] = {
      {"gallery", folder.Drawings()},
      {"gallery", "-o", folder.Site()},
      {"gallery", folder.Drawings(), "--index-only", folder.Site()},
      {"gallery", folder.Drawings(), "--step", "2", "-o", folder.Site()},
      {"render", "garden.mrl", "--index-only", folder.Site()},
  };
  for (const QStringList& args : wrong) {
    const test::TRun run = test::RunBatch(args);
    EXPECT_EQ(run.ExitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains("usage:")) << args.join(' ').toStdString();
  }
  const test::TRun missing = test::RunBatch({"gallery", folder.Dir.filePath("nowhere"), "-o", folder.Site()});
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_TRUE(missing.Err.contains("nowhere"));
}

}  // namespace
}  // namespace mirel
