// The headless drawing: reading, rebuilding and composing step by step.
#include "batch/batch_drawing.h"

#include <gtest/gtest.h>

#include <QDir>

#include "render/gui_environment.h"

namespace mirel {
namespace {

// Every step composed going on from the step before equals the same step
// composed from nothing: the shortcut for figures added in front must not
// change a pixel.
void ExpectStepByStepEqualsFresh(const std::string& file, const std::string& backgroundFolder) {
  TBatchDrawing stepwise({backgroundFolder});
  TBatchDrawing fresh({backgroundFolder});
  ASSERT_TRUE(stepwise.Read(file).Ok) << file;
  ASSERT_TRUE(fresh.Read(file).Ok) << file;
  const int steps = stepwise.History.GetStepCount();
  ASSERT_GT(steps, 3);
  for (int step = 1; step <= steps; ++step) {
    const QImage& next = stepwise.RebuildAndCompose(step);
    fresh.RebuildTo(step);
    ASSERT_EQ(next, fresh.Compose()) << file << " step " << step;
  }
  // Jumping back composes anew.
  EXPECT_EQ(stepwise.RebuildAndCompose(2), (fresh.RebuildTo(2), fresh.Compose()));
}

TEST(BatchDrawing, ComposingStepByStepGivesTheSamePixels) {
  ExpectStepByStepEqualsFresh(MIREL_EXAMPLES "/garden.mrl", MIREL_EXAMPLES);
  ExpectStepByStepEqualsFresh(MIREL_TEST_DATA "/good_every_kind.mrl", "");
  ExpectStepByStepEqualsFresh(MIREL_TEST_DATA "/good_nested_stamps.mrl", "");
}

TEST(BatchDrawing, MissingBackgroundIsFoundInTheExtraFolders) {
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
  TBatchDrawing without;
  TBatchDrawing with({"/nonexistent", MIREL_EXAMPLES});
  ASSERT_TRUE(without.Read(MIREL_EXAMPLES "/garden.mrl").Ok);
  ASSERT_TRUE(with.Read(MIREL_EXAMPLES "/garden.mrl").Ok);
  without.RebuildTo(1);
  with.RebuildTo(1);
  QDir::setCurrent(previous);
  EXPECT_EQ(without.Compose().pixel(5, 5), 0xFFFFFFFFu);
  EXPECT_NE(with.Compose().pixel(5, 5), 0xFFFFFFFFu);
  const std::vector<TBackgroundAttempt> attempts = with.Background.TakeAttempts();
  ASSERT_FALSE(attempts.empty());
  EXPECT_TRUE(attempts.back().Result.Ok && attempts.back().Result.Value());
}

TEST(BatchDrawing, UnreadableFileReportsAndKeepsNoHalfRecord) {
  TBatchDrawing drawing;
  const TResult<> result = drawing.Read(MIREL_TEST_DATA "/bad_truncated.mrl");
  EXPECT_FALSE(result.Ok);
  EXPECT_FALSE(result.Message.empty());
  for (const TActionItem* item = drawing.History.GetNext(drawing.History.GetHead()); item;
       item = item->Next()) {
    EXPECT_NE(item->Data.TargetType, TActionKind::NoAction);
  }
  EXPECT_FALSE(drawing.Read(MIREL_TEST_DATA "/no_such_file.mrl").Ok);
}

}  // namespace
}  // namespace mirel
