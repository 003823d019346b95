#include "replay/replay_engine.h"

#include <gtest/gtest.h>

#include "fake_background.h"
#include "history_fixture.h"

namespace mirel::test {
namespace {

using enum TActionKind;
using Ints = std::vector<int>;

TEST(ReplayEngine, DeleteAndUndoRestoreInFront) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
  AddCreate(f.History, 2, BoxFig(dtRectangle, {20, 20}, {30, 30}, Tagged(2)));
  AddOnFigure(f.History, Delete, 1);
  AddCreate(f.History, 3, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(99)), Undo);  // its snapshot is not used

  f.Rebuild(4);
  EXPECT_EQ(Tags(f.FigList), (Ints{2, 1}));
  EXPECT_EQ(f.DeletedFigList.Count(), 0);
  // Figure 1's creator lost its figure; the Undo record links the restored one.
  EXPECT_EQ(f.LinkedSteps(), (Ints{2, 4}));
  EXPECT_EQ(f.Record(4).LiveItem, f.FigList.GetTail());
  EXPECT_EQ(f.Engine.FindCreatingRecord(3), f.History.StepItem(4));

  f.Rebuild(3);
  EXPECT_EQ(Tags(f.FigList), (Ints{2}));
  EXPECT_EQ(Tags(f.DeletedFigList), (Ints{1}));
  EXPECT_EQ(f.LinkedSteps(), (Ints{2}));
}

TEST(ReplayEngine, RebuildDoesNotDependOnTheStepShownBefore) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
  AddCreate(f.History, 2, BoxFig(dtRectangle, {5, 5}, {15, 15}, Tagged(2)));
  AddOnFigure(f.History, Back, 2);
  AddWithFigure(f.History, Move, 1, BoxFig(dtRectangle, {40, 40}, {50, 50}, Tagged(1)));
  f.Rebuild(4);
  TFigList first;
  for (const TFigItem* i = f.FigList.GetNext(f.FigList.GetHead()); i; i = i->Next()) AddCopy(first, i->Data);

  for (int step : {4, 1, 0, 2, 4}) f.Rebuild(step);
  EXPECT_TRUE(SameFigures(first, f.FigList));
  EXPECT_EQ(Tags(f.FigList), (Ints{2, 1}));
  EXPECT_EQ(f.LinkedSteps(), (Ints{1, 2}));
}

// A jump goes on from the drawing shown, forward or back, when that costs
// less than a copy: the figures it leaves alone stay the same items, which
// composition knows already. Far from the drawing shown, the copy wins.
TEST(ReplayEngine, AJumpGoesOnFromTheDrawingShownWhenThatCostsLess) {
  // 300 figures, then 1,000 moves of them.
  auto make = [](THistoryList& history) {
    for (int id = 1; id <= 300; ++id) AddCreate(history, id, BoxFig(dtRectangle, {id, 0}, {id + 5, 5}, Tagged(id)));
    for (int n = 1; n <= 1000; ++n) {
      const int id = n * 7 % 300 + 1;
      AddWithFigure(history, Move, id, BoxFig(dtRectangle, {id, n}, {id + 5, n + 5}, Tagged(id)));
    }
  };
  TReplayFixture f, fresh;
  make(f.History);
  make(fresh.History);
  f.Engine.SetCheckpointSpacing(64);
  f.Rebuild(1300);
  f.Rebuild(350);  // from nothing, making the copies on the way
  const TFigItem* first = f.FigList.GetNext(f.FigList.GetHead());
  for (const int step : {380, 370, 350, 420}) {
    f.Rebuild(step);
    EXPECT_EQ(f.FigList.GetNext(f.FigList.GetHead()), first) << "step " << step;
  }
  f.Rebuild(1290);  // 870 moves on, against a copy of 300 figures 10 steps before
  EXPECT_NE(f.FigList.GetNext(f.FigList.GetHead()), first);
  fresh.Rebuild(1290);
  EXPECT_TRUE(SameFigures(fresh.FigList, f.FigList));
}

TEST(ReplayEngine, BranchResumesFromItsStep) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(2)));
  AddCreate(f.History, 3, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(3)));
  AddBranch(f.History, 2);
  AddCreate(f.History, 4, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(4)));

  f.Rebuild(5);
  EXPECT_EQ(Tags(f.FigList), (Ints{1, 2, 4}));
  EXPECT_EQ(f.LinkedSteps(), (Ints{1, 2, 5}));
  f.Rebuild(4);
  EXPECT_EQ(Tags(f.FigList), (Ints{1, 2}));
  EXPECT_EQ(f.LinkedSteps(), (Ints{1, 2}));
  f.Rebuild(3);
  EXPECT_EQ(Tags(f.FigList), (Ints{1, 2, 3}));
  EXPECT_EQ(f.LinkedSteps(), (Ints{1, 2, 3}));
}

TEST(ReplayEngine, RecordsAfterABranchActOnTheResumedDrawing) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
  AddWithFigure(f.History, Move, 1, BoxFig(dtRectangle, {50, 0}, {60, 10}, Tagged(1)));
  AddOnFigure(f.History, Delete, 1);
  AddBranch(f.History, 2);  // the figure is back, moved
  AddWithFigure(f.History, Move, 1, BoxFig(dtRectangle, {50, 70}, {60, 80}, Tagged(1)));
  AddBranch(f.History, 1);  // and back where it was drawn
  AddOnFigure(f.History, Delete, 1);

  f.Rebuild(5);
  ASSERT_EQ(f.FigList.Count(), 1);
  EXPECT_EQ(f.FigList.GetTail()->Data.Start, (TPoint{50, 70}));
  f.Rebuild(6);
  ASSERT_EQ(f.FigList.Count(), 1);
  EXPECT_EQ(f.FigList.GetTail()->Data.Start, (TPoint{0, 0}));
  EXPECT_EQ(f.DeletedFigList.Count(), 0);
  const TRebuiltStep last = f.Rebuild(7);
  EXPECT_EQ(f.FigList.Count(), 0);
  EXPECT_EQ(Tags(f.DeletedFigList), (Ints{1}));
  EXPECT_EQ(last.SkippedRecords, 0);
}

TEST(ReplayEngine, ChainOfBranchesEachResumingFromTheOneBefore) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(2)));
  // Branch at step k resumes from step k-1, the branch before it: each
  // one's drawing is the drawing of step 2.
  for (int k = 3; k < 63; ++k) AddBranch(f.History, k - 1);
  AddCreate(f.History, 3, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(3)));

  const TRebuiltStep step = f.Rebuild(f.History.GetStepCount());
  EXPECT_EQ(Tags(f.FigList), (Ints{1, 2, 3}));
  EXPECT_EQ(step.SkippedRecords, 0);
  f.Rebuild(40);
  EXPECT_EQ(Tags(f.FigList), (Ints{1, 2}));
}

TEST(ReplayEngine, BranchBackToTheStartEndsTheBackgroundToo) {
  TReplayFixture f;
  TFakeBackground surface;
  surface.Existing = {"hana.jpg"};
  AddReadBG(f.History, "hana.jpg");
  AddBranch(f.History, 0);
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));

  EXPECT_EQ(f.Engine.RebuildDrawing(f.History.StepItem(1), surface).BackgroundFile, "hana.jpg");
  EXPECT_EQ(surface.Picture, "hana.jpg");
  EXPECT_EQ(f.Engine.ShownBGFile(), "hana.jpg");

  const TRebuiltStep last = f.Engine.RebuildDrawing(f.History.StepItem(3), surface);
  EXPECT_EQ(last.BackgroundFile, "");
  EXPECT_EQ(surface.Picture, "");
  EXPECT_EQ(Tags(f.FigList), (Ints{1}));
  EXPECT_EQ(surface.Calls, (std::vector<std::string>{"load hana.jpg", "clear"}));
}

TEST(ReplayEngine, StepZeroIsTheEmptyDrawing) {
  TReplayFixture f;
  TFakeBackground surface;
  surface.Existing = {"a.bmp"};
  AddReadBG(f.History, "a.bmp");
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddOnFigure(f.History, Delete, 1);
  f.Record(3).ActionTime = {2004, 22, 11, 5, 13, 87, 9};
  EXPECT_EQ(f.Engine.RebuildDrawing(f.History.StepItem(3), surface).Dates,
            (TStepDateTexts{"2004/11/22", "  13:05:09"}));
  EXPECT_EQ(f.DeletedFigList.Count(), 1);

  const TRebuiltStep zero = f.Engine.RebuildDrawing(f.History.GetHead(), surface);
  EXPECT_EQ(zero.Dates, (TStepDateTexts{"", ""}));
  EXPECT_EQ(f.FigList.Count(), 0);
  EXPECT_EQ(f.DeletedFigList.Count(), 0);
  EXPECT_EQ(surface.Picture, "");
  EXPECT_EQ(f.Engine.ShownBGFile(), "");
  EXPECT_TRUE(f.LinkedSteps().empty());
}

TEST(ReplayEngine, BackgroundFollowsReadClearAndClearAll) {
  TReplayFixture f;
  AddReadBG(f.History, "a.bmp");
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(1)));
  AddPlain(f.History, ClearDrawing);  // keeps the background
  AddPlain(f.History, CleareBG);
  AddReadBG(f.History, "b.jpg");
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {1, 1}, Tagged(2)));
  AddPlain(f.History, ClearAll);

  EXPECT_EQ(f.Rebuild(3).BackgroundFile, "a.bmp");
  EXPECT_EQ(f.FigList.Count(), 0);
  EXPECT_EQ(f.Rebuild(4).BackgroundFile, "");
  EXPECT_EQ(f.Rebuild(6).BackgroundFile, "b.jpg");
  EXPECT_EQ(f.Rebuild(7).BackgroundFile, "");
  EXPECT_EQ(f.FigList.Count(), 0);
  EXPECT_TRUE(f.LinkedSteps().empty());
}

TEST(ReplayEngine, MoveShiftsCornersAndPointsBySnapshotOffset) {
  TReplayFixture f;
  AddCreate(f.History, 1, PointFig(dtFreeLine, {{80, 40}, {90, 60}, {85, 45}}, Tagged(1)));
  // The snapshot's points are not copied: only its Start counts.
  AddWithFigure(f.History, Move, 1, PointFig(dtFreeLine, {{100, 50}, {0, 0}}, Tagged(1)));
  f.History.GetTail()->Data.FigData.Start = {100, 50};

  f.Rebuild(2);
  const TFigData& fig = f.FigList.GetTail()->Data;
  EXPECT_EQ(fig.Start, (TPoint{100, 50}));
  EXPECT_EQ(fig.End, (TPoint{110, 70}));
  ASSERT_EQ(fig.PointData->GetCount(), 3);
  EXPECT_EQ(fig.PointData->Point(0), (TPoint{100, 50}));
  EXPECT_EQ(fig.PointData->Point(1), (TPoint{110, 70}));
  EXPECT_EQ(fig.PointData->Point(2), (TPoint{105, 55}));
}

TEST(ReplayEngine, ChangeAndFrontBackActOnTheLiveFigure) {
  TReplayFixture f;
  AddCreate(f.History, 1, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
  AddCreate(f.History, 2, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(2)), Duplicate);
  AddCreate(f.History, 3, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(3)));
  TFigData recoloured = BoxFig(dtRectangle, {300, 300}, {310, 310}, Tagged(1));
  recoloured.PenColor = 0x00FF00;
  AddChange(f.History, 1, TParameter::LineColor, recoloured);
  AddOnFigure(f.History, Front, 1);
  AddOnFigure(f.History, Front, 3);  // already in front
  AddOnFigure(f.History, Back, 3);

  f.Rebuild(7);
  EXPECT_EQ(Tags(f.FigList), (Ints{2, 3, 1}));
  const TFigData& fig = f.Record(1).LiveItem->Data;
  EXPECT_EQ(fig.PenColor, 0x00FF00u);
  EXPECT_EQ(fig.Start, (TPoint{0, 0}));
}

}  // namespace
}  // namespace mirel::test
