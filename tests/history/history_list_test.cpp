#include "history/history_list.h"

#include <gtest/gtest.h>

#include "model/fig_builders.h"

namespace mirel {
namespace {

using test::BoxFig;
using test::PointFig;
using test::StampFig;
using test::kModelLook;

using test::ExpectListInvariants;

TEST(HistoryList, FreshHistory) {
  const THistoryList history;
  EXPECT_EQ(history.GetStepCount(), 0);
  EXPECT_EQ(history.GetHead(), history.GetTail());
  const TActionData& head = history.GetHead()->Data;
  EXPECT_EQ(head.TargetType, TActionKind::NoAction);
  EXPECT_EQ(head.Parameter, TParameter::NoParameter);
  EXPECT_EQ(head.TargetID, 0);
  EXPECT_TRUE(head.FileName.empty());
  EXPECT_EQ(head.ActionTime, TActionTime{});
  EXPECT_EQ(history.NextFigureID(), 1);
  ExpectListInvariants(history);
}

TEST(HistoryList, BlankActionIsLinkedAfterTheHead) {
  THistoryList history;
  TActionItem* item = history.AddBlankAction();
  EXPECT_EQ(history.GetTail(), item);
  EXPECT_EQ(item->Prev(), history.GetHead());
  EXPECT_EQ(history.GetStepCount(), 1);
  EXPECT_EQ(item->Data.TargetType, TActionKind::NoAction);
  EXPECT_EQ(item->Data.FigData.DrawingTool, dtNone);
  ExpectListInvariants(history);
}

TEST(HistoryList, SnapshotIsAStoredCopy) {
  THistoryList history;
  TFigData polyline = PointFig(dtPolyline, {{10, 20}, {90, 95}, {40, 60}}, kModelLook);
  polyline.Start = {0, 0};
  polyline.End = {1, 1};
  const TFigData& snapshot = history.AddAction(polyline)->Data.FigData;
  EXPECT_EQ(snapshot.Start, (TPoint{10, 20}));
  EXPECT_EQ(snapshot.End, (TPoint{90, 95}));
  ASSERT_NE(snapshot.PointData, nullptr);
  EXPECT_NE(snapshot.PointData.get(), polyline.PointData.get());
  SetPointCoord(polyline, 0, 0, 500);
  EXPECT_EQ(snapshot.PointData->Point(0), (TPoint{10, 20}));
  EXPECT_EQ(polyline.Start, (TPoint{0, 0}));
}

TEST(HistoryList, StampInStampSnapshotKeepsItsLevelsWhateverBecomesOfTheFigure) {
  const TFigData rect = BoxFig(dtRectangle, {0, 0}, {3, 3}, kModelLook);
  const TFigData inner = StampFig({0, 0}, {3, 3}, {&rect}, kModelLook);
  auto outer = std::make_unique<TFigData>(StampFig({5, 5}, {8, 8}, {&inner}, kModelLook));
  THistoryList history;
  const TFigData& snapshot = history.AddAction(*outer)->Data.FigData;
  // The figure changes at the inner level, then goes.
  TFigData& innerOfFigure = outer->StampData.MakeUnique().GetHead()->Next()->Data;
  innerOfFigure.StampData.MakeUnique().GetHead()->Next()->Data.End = {30, 30};
  outer.reset();
  ASSERT_NE(snapshot.StampData, nullptr);
  const TFigData& innerCopy = test::FirstFig(*snapshot.StampData);
  ASSERT_NE(innerCopy.StampData, nullptr);
  EXPECT_EQ(test::FirstFig(*innerCopy.StampData).End, (TPoint{3, 3}));
}

TEST(HistoryList, ClearHistoryResetsIdsOnlyWhenThereWereRecords) {
  THistoryList history;
  history.SetNextFigureID(9);
  history.ClearHistory();
  EXPECT_EQ(history.NextFigureID(), 9);

  for (int i = 0; i < 3; ++i) history.AddAction(BoxFig(dtRectangle, {0, 0}, {i, i}, kModelLook));
  TActionItem* head = history.GetHead();
  history.ClearHistory();
  EXPECT_EQ(history.GetStepCount(), 0);
  EXPECT_EQ(history.NextFigureID(), 1);
  EXPECT_EQ(history.GetHead(), head);
  ExpectListInvariants(history);
  history.AddBlankAction();
  EXPECT_EQ(history.GetStepCount(), 1);
  ExpectListInvariants(history);
}

TEST(HistoryList, StepsAndLinks) {
  THistoryList history;
  TFigList figures;
  TFigItem* live = AddCopy(figures, BoxFig(dtRectangle, {0, 0}, {1, 1}, kModelLook));
  std::vector<TActionItem*> items;
  for (int i = 0; i < 4; ++i) {
    items.push_back(history.AddAction(live->Data));
    items.back()->Data.LiveFig = &live->Data;
    items.back()->Data.LiveItem = live;
  }
  EXPECT_EQ(history.StepItem(0), history.GetHead());
  EXPECT_EQ(history.StepItem(2), items[1]);
  EXPECT_EQ(history.StepItem(4), items[3]);
  EXPECT_EQ(history.StepItem(5), nullptr);
  EXPECT_EQ(history.StepItem(-1), nullptr);
  EXPECT_EQ(history.StepOf(items[2]), 3);
  EXPECT_EQ(history.StepOf(history.GetHead()), 0);
  EXPECT_EQ(history.StepOf(nullptr), -1);

  history.ClearLinksAfter(items[1]);
  EXPECT_EQ(items[1]->Data.LiveFig, &live->Data);
  EXPECT_EQ(items[2]->Data.LiveFig, nullptr);
  EXPECT_EQ(items[3]->Data.LiveItem, nullptr);
  history.ClearLinksAfter(history.GetHead());
  EXPECT_EQ(items[0]->Data.LiveFig, nullptr);
}

TEST(HistoryList, FreeHistoryReleasesEverything) {
  auto history = std::make_unique<THistoryList>();
  const TFigData line = PointFig(dtFreeLine, {{1, 2}, {3, 4}}, kModelLook);
  const TFigData stamp = StampFig({0, 0}, {4, 4}, {&line}, kModelLook);
  for (int i = 0; i < 1000; ++i) history->AddAction(stamp);
  FreeHistory(history);
  EXPECT_EQ(history, nullptr);
}

}  // namespace
}  // namespace mirel
