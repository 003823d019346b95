// Runs the mirel-batch program itself on the bundled example drawing.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "batch_run.h"

namespace {

using mirel::test::RunBatch;
using mirel::test::TRun;

const QString kGarden = MIREL_EXAMPLES "/garden.mrl";

QJsonObject Dump(const QStringList& extra = {}) {
  const TRun run = RunBatch(QStringList{"dump", kGarden} + extra);
  EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  return QJsonDocument::fromJson(run.Out).object();
}

TEST(BatchLog, DescribesEveryRecordInHistoryOrder) {
  const TRun run = RunBatch({"log", kGarden});
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  const QList<QByteArray> lines = run.Out.split('\n');
  ASSERT_GE(lines.size(), 6);
  EXPECT_EQ(lines[0], "Read BG file (./garden-sky.jpg)");
  EXPECT_EQ(lines[1], "at 10:05:00.00 2026/12/08.");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "Create Text box (ID = 1)");
  EXPECT_TRUE(run.Out.contains("Undo\nat "));
  EXPECT_TRUE(run.Out.contains("Branch (STEP = 15)\n"));
  EXPECT_TRUE(run.Out.contains("Change figure (ID = 2)\nParameter: Body color \n"));
  // Three lines per record, plus one for the change's parameter.
  EXPECT_EQ(run.Out.count('\n'), 18 * 3 + 1);
}

TEST(BatchDump, ReplaysToTheRequestedStep) {
  const QJsonObject last = Dump();
  EXPECT_EQ(last["StepCount"].toInt(), 18);
  EXPECT_EQ(last["Step"].toInt(), 18);
  EXPECT_EQ(last["NextFigureID"].toInt(), 16);
  EXPECT_EQ(last["DateYMD"].toString(), "2026/12/08");
  EXPECT_EQ(last["Background"].toString(), "./garden-sky.jpg");
  const QJsonArray figures = last["Figures"].toArray();
  // Ten figures drawn, the cloud of the abandoned branch gone, the butterfly added.
  ASSERT_EQ(figures.size(), 11);
  EXPECT_EQ(figures[0].toObject()["Text"].toString(), QString::fromUtf8("はなばたけ"));
  EXPECT_EQ(figures[10].toObject()["DrawingTool"].toString(), "dtPolygon");
  EXPECT_EQ(figures[10].toObject()["Points"].toArray().size(), 8);
  // The restored flower entered in front of the other two.
  const QJsonObject restored = figures[9].toObject();
  EXPECT_EQ(restored["DrawingTool"].toString(), "dtStamp");
  EXPECT_EQ(restored["Start"].toArray()[0].toInt(), 360);
  EXPECT_EQ(restored["Stamp"].toArray().size(), 3);
  EXPECT_TRUE(last["Deleted"].toArray().isEmpty());

  const QJsonObject cloud = Dump({"--step", "16"});
  EXPECT_EQ(cloud["Figures"].toArray().size(), 11);
  const QJsonObject branch = Dump({"--step", "17"});
  EXPECT_EQ(branch["Figures"].toArray().size(), 10);  // back at step 15, the cloud gone
  const QJsonObject deleted = Dump({"--step", "14"});
  EXPECT_EQ(deleted["Deleted"].toArray().size(), 1);
  EXPECT_EQ(deleted["Figures"].toArray().size(), 9);

  const QJsonObject empty = Dump({"--step", "0"});
  EXPECT_EQ(empty["DateYMD"].toString(), "");
  EXPECT_EQ(empty["Background"].toString(), "");
  EXPECT_TRUE(empty["Figures"].toArray().isEmpty());
}

TEST(BatchRender, WritesTheComposedCanvas) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* name : {"c.png", "c.bmp", "c.jpg"}) {
    const TRun run = RunBatch({"render", kGarden, "-o", dir.filePath(name)});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QImage picture(dir.filePath(name));
    ASSERT_FALSE(picture.isNull()) << name;
    EXPECT_EQ(picture.size(), QSize(640, 480));
  }
  const QImage png(dir.filePath("c.png"));
  // Inside the orange sun (moved to 480..560 x 40..120), and the sky of the background.
  EXPECT_EQ(png.pixel(520, 80) & 0xFFFFFF, 0xFFA500u);
  EXPECT_NE(png.pixel(5, 470) & 0xFFFFFF, 0xFFFFFFu);

  const QByteArray bmp = [&] {
    QFile f(dir.filePath("c.bmp"));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  ASSERT_GE(bmp.size(), 54);
  EXPECT_EQ(bmp.left(2), "BM");
  EXPECT_EQ(bmp.size(), 54 + 640 * 480 * 4);

  // The background picture is found beside the data file from any folder;
  // a copy of the file without its picture shows white there, unless
  // --bg-dir names the picture's folder.
  const QString beside = dir.filePath("b.png");
  ASSERT_EQ(RunBatch({"render", kGarden, "-o", beside}, dir.path()).ExitCode, 0);
  EXPECT_NE(QImage(beside).pixel(5, 470) & 0xFFFFFF, 0xFFFFFFu);
  const QString copy = dir.filePath("copy.mrl");
  ASSERT_TRUE(QFile::copy(kGarden, copy));
  const QString elsewhere = dir.filePath("e.png");
  ASSERT_EQ(RunBatch({"render", copy, "-o", elsewhere}, dir.path()).ExitCode, 0);
  EXPECT_EQ(QImage(elsewhere).pixel(5, 470) & 0xFFFFFF, 0xFFFFFFu);
  const QString found = dir.filePath("f.png");
  ASSERT_EQ(RunBatch({"render", copy, "--bg-dir", MIREL_EXAMPLES, "-o", found}, dir.path()).ExitCode, 0);
  EXPECT_NE(QImage(found).pixel(5, 470) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(BatchRender, PngLeavesOtherFilesBesideItAlone) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString neighbour = dir.filePath("c.png.part");
  QFile f(neighbour);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("a file of the user's");
  f.close();
  ASSERT_EQ(RunBatch({"render", kGarden, "-o", dir.filePath("c.png")}).ExitCode, 0);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "a file of the user's");
  EXPECT_EQ(QImage(dir.filePath("c.png")).size(), QSize(640, 480));
}

TEST(BatchFrames, WritesOnePicturePerStepBesideThePath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const TRun run = RunBatch({"frames", kGarden, "-o", dir.filePath("garden.jpg")});
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  const QStringList frames = QDir(dir.path()).entryList({"*.jpg"}, QDir::Files, QDir::Name);
  ASSERT_EQ(frames.size(), 18);
  EXPECT_EQ(frames.first(), "garden001.jpg");
  EXPECT_EQ(frames.last(), "garden018.jpg");
  EXPECT_FALSE(QFile::exists(dir.filePath("garden.jpg")));
  EXPECT_EQ(QImage(dir.filePath("garden005.jpg")).size(), QSize(640, 480));
}

TEST(BatchResave, WritesTheSameBytes) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString copy = dir.filePath("copy.mrl");
  const TRun run = RunBatch({"resave", kGarden, "-o", copy});
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  QFile a(kGarden), b(copy);
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(a.readAll(), b.readAll());
}

// log and resave run without the toolkit in their usual forms; every other
// form of their command line reaches the full program and means what it
// meant.
TEST(BatchCoreCommands, EveryFormOfTheCommandLineKeepsItsMeaning) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString out = dir.filePath("o.mrl");
  QFile garden(kGarden);
  ASSERT_TRUE(garden.open(QIODevice::ReadOnly));
  const QByteArray bytes = garden.readAll();
  for (const QStringList& args : {QStringList{"resave", kGarden, "-o", out}, QStringList{"resave", "-o", out, kGarden},
                                  QStringList{"resave", kGarden, "--output", out},
                                  QStringList{"resave", kGarden, "--output=" + out},
                                  QStringList{"resave", kGarden, "-o" + out}}) {
    QFile::remove(out);
    const TRun run = RunBatch(args);
    ASSERT_EQ(run.ExitCode, 0) << args.join(' ').toStdString() << run.Err.toStdString();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes) << args.join(' ').toStdString();
  }
  struct TWrongUse {
    QStringList Args;
    const char* Says;
  };
  const TWrongUse wrongUses[] = {
      {{"resave", kGarden}, "resave needs -o"},
      {{"resave", kGarden, "-o", ""}, "resave needs -o"},
      {{"log", kGarden, "-o", out}, "log takes no -o"},
      {{"log", kGarden, "--step", "1"}, "log takes no --step"},
      {{"resave", kGarden, "-o", out, "--strict"}, "resave takes no --strict"},
      {{"log", kGarden, "extra"}, "expected a command and one file"},
      {{"resave", kGarden, kGarden, "-o", out}, "expected a command and one file"},
  };
  for (const TWrongUse& use : wrongUses) {
    const TRun run = RunBatch(use.Args);
    EXPECT_EQ(run.ExitCode, 2) << use.Args.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains(use.Says)) << use.Args.join(' ').toStdString() << ": " << run.Err.toStdString();
  }
  EXPECT_TRUE(RunBatch({"log", "--version"}).Out.startsWith("mirel-batch "));
}

TEST(BatchErrors, ExitStatusAndMessage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_EQ(RunBatch({}).ExitCode, 2);
  const TRun unknown = RunBatch({"paint", kGarden, "-o", dir.filePath("x.png")});
  EXPECT_EQ(unknown.ExitCode, 2);
  EXPECT_TRUE(unknown.Err.contains("unknown command: paint")) << unknown.Err.toStdString();
  EXPECT_EQ(RunBatch({"render", kGarden}).ExitCode, 2);  // no -o
  EXPECT_EQ(RunBatch({"render", kGarden, "-o", dir.filePath("x.gif")}).ExitCode, 2);
  EXPECT_EQ(RunBatch({"dump", kGarden, "--step", "19"}).ExitCode, 2);
  EXPECT_EQ(RunBatch({"dump", kGarden, "--step", "many"}).ExitCode, 2);
  // Every wrong use shows the usage, also those found only once the command runs.
  for (const QStringList& wrongUse : {QStringList{}, QStringList{"render", kGarden, "-o", dir.filePath("x.gif")},
                                      QStringList{"dump", kGarden, "--step", "19"}}) {
    EXPECT_TRUE(RunBatch(wrongUse).Err.contains("usage:")) << wrongUse.join(' ').toStdString();
  }

  const TRun missing = RunBatch({"dump", dir.filePath("none.mrl")});
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_FALSE(missing.Err.isEmpty());

  const QString bad = dir.filePath("bad.mrl");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("NOT A MIREL FILE\r\n");
  f.close();
  const TRun wrong = RunBatch({"log", bad});
  EXPECT_EQ(wrong.ExitCode, 1);
  EXPECT_TRUE(wrong.Err.contains("データフォーマットが違います")) << wrong.Err.toStdString();
  EXPECT_TRUE(wrong.Out.isEmpty());

  // A picture that cannot be written is an error, and no partial file is left.
  const TRun unwritable = RunBatch({"render", kGarden, "-o", dir.filePath("no/such/dir/c.png")});
  EXPECT_EQ(unwritable.ExitCode, 1);
}

}  // namespace
