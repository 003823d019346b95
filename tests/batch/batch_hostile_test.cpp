// mirel-batch facing what a careless or hostile user gives it: pictures
// that cannot be shown, special files, names that are not UTF-8, a folder
// instead of a file name, and writes that fail.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "batch_run.h"
#include "support/qt_files.h"

namespace mirel {
namespace {

using test::RunBatch;
using test::TRun;

const QString kGarden = MIREL_EXAMPLES "/garden.mrl";

// A data file whose records are `ReadBG` of each name followed by a
// rectangle: step 2n - 1 asks for the n-th picture.
QByteArray BackgroundsFile(const QStringList& pictures) {
  QByteArray text = "MIREL FILE FORMAT 1.3\r\n";
  int id = 0;
  for (const QString& picture : pictures) {
    text += "begin ActionData\r\n2026 12 08 10 05 00 00\r\nReadBG\r\n" + picture.toUtf8() + "\r\nend ActionData\r\n";
    text += "begin ActionData\r\n2026 12 08 10 05 01 00\r\nCreate\r\n" + QByteArray::number(++id) +
            "\r\nbegin FigData\r\ndtRectangle\r\n2\r\nclBlack\r\nclRed\r\n0\r\nclBlack\r\n\r\n10 10\r\n"
            "100 100\r\nend FigData\r\nend ActionData\r\n";
  }
  return text;
}

struct TWarningCase {
  QStringList Args;
  QList<QByteArray> Warnings;  // in order; each once
};

TEST(BatchBackgrounds, PicturesThatCannotBeShownAreWarningsAndStrictFails) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage good(64, 48, QImage::Format_RGB32);
  good.fill(Qt::blue);
  ASSERT_TRUE(good.save(dir.filePath("good.jpg")));
  test::WriteBytes(dir.filePath("garbage.jpg"), "not a picture");
  const QString file = dir.filePath("pictures.mrl");
  const QString missing = dir.filePath("missing.jpg");
  const QString garbage = dir.filePath("garbage.jpg");
  // Steps 1, 3, 5, 7 ask for: missing, garbage, good, missing again.
  test::WriteBytes(file, BackgroundsFile({missing, garbage, dir.filePath("good.jpg"), missing}));

  // A warning names the step rebuilt and the picture it asks for.
  const QByteArray notFound = "mirel-batch: warning: step 1: background picture not found: " + missing.toUtf8();
  const QByteArray notLoaded = "mirel-batch: warning: step 3: background picture not loaded: " + garbage.toUtf8() +
                               ": neither a Windows bitmap nor a JPEG picture";
  const TWarningCase cases[] = {
      {{"dump", file, "--step", "1"}, {notFound}},
      {{"dump", file, "--step", "2"}, {QByteArray(notFound).replace("step 1", "step 2")}},
      {{"render", file, "--step", "3", "-o", dir.filePath("three.png")}, {notLoaded}},
      {{"render", file, "--step", "6", "-o", dir.filePath("six.png")}, {}},
      {{"frames", file, "-o", dir.filePath("frame.jpg")}, {notFound, notLoaded}},
  };
  for (const TWarningCase& c : cases) {
    for (const bool strict : {false, true}) {
      const TRun run = RunBatch(strict ? c.Args + QStringList{"--strict"} : c.Args, dir.path());
      const std::string what = c.Args.join(' ').toStdString() + (strict ? " --strict" : "");
      EXPECT_EQ(run.ExitCode, strict && !c.Warnings.isEmpty() ? 1 : 0) << what << "\n" << run.Err.toStdString();
      QList<QByteArray> lines = run.Err.split('\n');
      lines.removeAll("");
      EXPECT_EQ(lines, c.Warnings) << what;
    }
  }
  // The output is written all the same, showing what could be shown.
  EXPECT_EQ(QImage(dir.filePath("three.png")).size(), QSize(640, 480));
  EXPECT_EQ(QDir(dir.path()).entryList({"frame*.jpg"}).size(), 8);
  EXPECT_EQ(QImage(dir.filePath("six.png")).pixel(300, 10) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(RunBatch({"log", file, "--strict"}, dir.path()).ExitCode, 2);  // log shows no pictures
}

TEST(BatchFrames, OutputMustNameAFileNotAFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const QString& output : {dir.path() + "/", dir.path(), dir.filePath(".jpg")}) {
    const TRun run = RunBatch({"frames", kGarden, "-o", output});
    EXPECT_EQ(run.ExitCode, 2) << output.toStdString();
    EXPECT_TRUE(run.Err.contains("frames -o needs a file name")) << run.Err.toStdString();
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(BatchFiles, SpecialFilesAreRefusedAtOnceWithTheReadFailure) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString fifo = dir.filePath("fifo.mrl");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.mrl"));
  for (const auto& [file, kind] : {std::pair{fifo, "a FIFO"}, std::pair{dir.filePath("folder.mrl"), "a folder"},
                                   std::pair{QString("/dev/zero"), "a character device"}}) {
    for (const char* command : {"log", "dump", "resave"}) {
      QStringList args{command, file};
      if (QString(command) == "resave") args << "-o" << dir.filePath("copy.mrl");
      const TRun run = RunBatch(args);
      EXPECT_EQ(run.ExitCode, 1) << command << " " << file.toStdString();
      EXPECT_TRUE(run.Err.contains("データ読み込みに失敗しました")) << run.Err.toStdString();
      EXPECT_TRUE(run.Err.contains(kind)) << run.Err.toStdString();
    }
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("copy.mrl")));
}

TEST(BatchFiles, NamesThatAreNotUtf8AreReadAndWrittenAsTheyAre) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string folder = QFile::encodeName(dir.path()).toStdString();
  const std::string input = folder + "/\xff\xfe-e.mrl";
  const std::string output = folder + "/\x82\xa8-copy.mrl";
  ASSERT_TRUE(QFile::copy(kGarden, dir.filePath("plain.mrl")));
  ASSERT_EQ(::rename((folder + "/plain.mrl").c_str(), input.c_str()), 0);

  const TRun run = test::RunBatchWithBytes({"resave", input, "-o", output}, folder);
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  struct stat info {};
  EXPECT_EQ(::stat(output.c_str(), &info), 0);
  EXPECT_EQ(static_cast<qint64>(info.st_size), QFileInfo(kGarden).size());
  // A message names the file by its very bytes.
  const TRun missing = test::RunBatchWithBytes({"log", folder + "/\xfd.mrl"}, folder);
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_TRUE(missing.Err.contains("/\xfd.mrl")) << missing.Err.toStdString();
}

TEST(BatchWrites, AFileSizeLimitIsAnErrorWithItsReasonAndLeavesNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // Each limit is below what the command writes (the data file is 4 KiB).
  const std::pair<QStringList, rlim_t> commands[] = {
      {{"render", kGarden, "-o", dir.filePath("c.bmp")}, 64 * 1024},
      {{"frames", kGarden, "-o", dir.filePath("f.jpg")}, 16 * 1024},
      {{"resave", kGarden, "-o", dir.filePath("copy.mrl")}, 2 * 1024},
  };
  for (const auto& [args, bytes] : commands) {
    const TRun run = RunBatch(args, MIREL_EXAMPLES, [bytes] {
      const rlimit limit{bytes, RLIM_INFINITY};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(run.ExitCode, 1) << args.join(' ').toStdString() << "\n" << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(std::strerror(EFBIG))) << run.Err.toStdString();
  }
  // The frames before the failing one are whole pictures; nothing else is left.
  for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
    EXPECT_TRUE(name.startsWith("f0")) << name.toStdString();
    EXPECT_FALSE(QImage(dir.filePath(name)).isNull()) << name.toStdString();
  }
}

TEST(BatchWrites, ResavingThroughALinkKeepsTheLink) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  test::WriteBytes(dir.filePath("real.mrl"), "old");
  ASSERT_TRUE(QFile::link("real.mrl", dir.filePath("link.mrl")));
  const TRun run = RunBatch({"resave", kGarden, "-o", dir.filePath("link.mrl")});
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  EXPECT_TRUE(QFileInfo(dir.filePath("link.mrl")).isSymLink());
  EXPECT_EQ(test::ReadBytes(dir.filePath("real.mrl")), test::ReadBytes(kGarden));
  EXPECT_EQ(test::ReadBytes(dir.filePath("link.bak")), "old");
}

}  // namespace
}  // namespace mirel
