// Histories the recorders never write (hand-edited or damaged files): the
// records that cannot apply are skipped, and nothing released is touched.
#include <gtest/gtest.h>

#include "history_fixture.h"

namespace mirel::test {
namespace {

using enum TActionKind;
using Ints = std::vector<int>;

TEST(InconsistentHistory, RecordsAboutAnUnknownFigureAreSkipped) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
  AddWithFigure(f.History, Move, 7, BoxFig(dtRectangle, {50, 50}, {60, 60}, Tagged(1)));
  AddOnFigure(f.History, Delete, 7);
  AddOnFigure(f.History, Front, 7);
  AddOnFigure(f.History, Back, 7);
  AddChange(f.History, 7, TParameter::LineWidth, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(9)));
  const TRebuiltStep step = f.Rebuild(6);
  EXPECT_EQ(step.SkippedRecords, 5);
  EXPECT_EQ(Tags(f.FigList), (Ints{1}));
  EXPECT_EQ(f.FigList.GetTail()->Data.Start, (TPoint{0, 0}));
}

TEST(InconsistentHistory, RecordsAboutADeletedOrClearedFigureAreSkipped) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(2)));
  AddOnFigure(f.History, Delete, 1);
  AddOnFigure(f.History, Delete, 1);
  AddWithFigure(f.History, Move, 1, BoxFig(dtRectangle, {5, 5}, {15, 15}, Tagged(1)));
  AddPlain(f.History, ClearDrawing);
  AddChange(f.History, 2, TParameter::Size, BoxFig(dtRectangle, {0, 0}, {90, 90}, Tagged(2)));
  AddOnFigure(f.History, Front, 2);
  AddOnFigure(f.History, Delete, 2);
  const TRebuiltStep step = f.Rebuild(9);
  EXPECT_EQ(step.SkippedRecords, 5);
  EXPECT_EQ(f.FigList.Count(), 0);
  EXPECT_EQ(f.DeletedFigList.Count(), 0);
  EXPECT_TRUE(f.LinkedSteps().empty());
}

TEST(InconsistentHistory, FigureCreatedOnlyLaterIsNotInTheDrawingYet) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
  AddWithFigure(f.History, Move, 2, BoxFig(dtRectangle, {70, 70}, {80, 80}, Tagged(2)));
  AddOnFigure(f.History, Delete, 2);
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(2)));
  // The second rebuild meets records about figure 2 while its creator still
  // holds the link the first rebuild gave it.
  f.Rebuild(4);
  const TRebuiltStep step = f.Rebuild(4);
  EXPECT_EQ(step.SkippedRecords, 2);
  EXPECT_EQ(Tags(f.FigList), (Ints{1, 2}));
  EXPECT_EQ(f.FigList.GetTail()->Data.Start, (TPoint{0, 0}));
}

TEST(InconsistentHistory, RepeatedIdActsOnTheFirstCreator) {
  TReplayFixture f;
  AddCreate(f.History, 5, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
  AddCreate(f.History, 5, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(2)));
  AddWithFigure(f.History, Move, 5, BoxFig(dtRectangle, {30, 0}, {40, 10}, Tagged(0)));
  f.Rebuild(3);
  EXPECT_EQ(f.Record(1).LiveItem->Data.Start, (TPoint{30, 0}));
  EXPECT_EQ(f.Record(2).LiveItem->Data.Start, (TPoint{0, 0}));
  EXPECT_EQ(f.Engine.FindCreatingRecord(5), f.History.StepItem(1));

  // Once the first creator's figure is gone, the ID names no figure.
  AddOnFigure(f.History, Delete, 5);
  AddOnFigure(f.History, Delete, 5);
  const TRebuiltStep step = f.Rebuild(5);
  EXPECT_EQ(step.SkippedRecords, 1);
  EXPECT_EQ(Tags(f.FigList), (Ints{2}));
}

TEST(InconsistentHistory, BranchNotBelowItsOwnStepIsSkipped) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddBranch(f.History, 2);   // itself
  AddBranch(f.History, 9);   // the future
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(2)));
  const TRebuiltStep step = f.Rebuild(4);
  EXPECT_EQ(step.SkippedRecords, 2);
  EXPECT_EQ(Tags(f.FigList), (Ints{1, 2}));
}

TEST(InconsistentHistory, BranchBeforeTheFirstStepResumesFromTheEmptyDrawing) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddBranch(f.History, -1);
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(2)));
  EXPECT_EQ(f.Rebuild(2).SkippedRecords, 0);
  EXPECT_TRUE(Tags(f.FigList).empty());
  f.Rebuild(3);
  EXPECT_EQ(Tags(f.FigList), (Ints{2}));
}

TEST(InconsistentHistory, UndoWithNothingDeletedRestoresNothing) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(2)), Undo);
  AddOnFigure(f.History, Delete, 2);
  const TRebuiltStep step = f.Rebuild(3);
  EXPECT_EQ(step.SkippedRecords, 2);
  EXPECT_EQ(Tags(f.FigList), (Ints{1}));
  EXPECT_EQ(f.LinkedSteps(), (Ints{1}));
}

TEST(InconsistentHistory, SizeChangeThatDoesNotFitItsFigureIsSkipped) {
  TReplayFixture f;
  AddCreate(f.History, 1, PointFig(dtFreeLine, {{0, 0}, {10, 10}, {20, 0}}, Tagged(1)));
  AddChange(f.History, 1, TParameter::Size, PointFig(dtFreeLine, {{0, 0}, {30, 30}}, Tagged(1)));
  AddCreate(f.History, 2, StampFig({0, 0}, {10, 10}, {BoxFig(dtRectangle, {0, 0}, {5, 5}, Tagged(3))}, Tagged(2)));
  AddChange(f.History, 2, TParameter::Size, BoxFig(dtRectangle, {0, 0}, {90, 90}, Tagged(2)));
  const TRebuiltStep step = f.Rebuild(4);
  EXPECT_EQ(step.SkippedRecords, 2);
  EXPECT_TRUE(SameFigure(f.Record(1).LiveItem->Data, f.Record(1).FigData));
  EXPECT_TRUE(SameFigure(f.Record(3).LiveItem->Data, f.Record(3).FigData));
}

TEST(InconsistentHistory, UnknownKindsChangeNothing) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddPlain(f.History, SetStamp);
  AddPlain(f.History, ReadData).FileName = "old.mrl";
  AddPlain(f.History, NoAction);
  AddPlain(f.History, static_cast<TActionKind>(200)).TargetID = 1;
  const TRebuiltStep step = f.Rebuild(5);
  EXPECT_EQ(step.SkippedRecords, 0);
  EXPECT_EQ(step.BackgroundFile, "");
  EXPECT_EQ(Tags(f.FigList), (Ints{1}));
}

TEST(InconsistentHistory, HistoryEmptiedAndRefilledBetweenRebuilds) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(2)));
  f.Rebuild(2);
  f.History.ClearHistory();
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(3)));
  f.Rebuild(1);
  EXPECT_EQ(Tags(f.FigList), (Ints{3}));
}

TEST(InconsistentHistory, CursorOutsideTheHistoryRebuildsStepZero) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  THistoryList other;
  other.AddBlankAction();
  EXPECT_EQ(f.Engine.RebuildDrawing(other.GetTail()).Dates, (TStepDateTexts{"", ""}));
  EXPECT_EQ(f.FigList.Count(), 0);
  EXPECT_EQ(f.Engine.RebuildDrawing(nullptr).Dates, (TStepDateTexts{"", ""}));
}

TEST(InconsistentHistory, LongBranchChainsNeedNoDeepRecursion) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  for (int k = 2; k <= 20000; ++k) AddBranch(f.History, k - 1);
  f.Rebuild(20000);
  EXPECT_EQ(Tags(f.FigList), (Ints{1}));
}

}  // namespace
}  // namespace mirel::test
