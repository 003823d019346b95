// Relinking of the figure lists at the head and the tail.
#include <gtest/gtest.h>

#include "model/fig_builders.h"
#include "model/fig_ops.h"

namespace mirel {
namespace {

using test::BoxFig;
using test::kModelLook;

using test::ExpectListInvariants;
using test::Tags;

// A list of figures tagged 1..n (by PenWidth); returns their items.
std::vector<TFigItem*> Fill(TFigList& list, int n) {
  std::vector<TFigItem*> items;
  for (int i = 1; i <= n; ++i) {
    TFigData f = BoxFig(dtRectangle, {0, 0}, {i, i}, kModelLook);
    f.PenWidth = i;
    items.push_back(AddCopy(list, f));
  }
  return items;
}

TEST(FigList, EmptyList) {
  TFigList list;
  EXPECT_EQ(list.GetHead(), list.GetTail());
  EXPECT_EQ(list.GetNext(list.GetHead()), nullptr);
  EXPECT_EQ(list.GetNext(nullptr), nullptr);
  ExpectListInvariants(list);
}

TEST(FigList, NewFiguresEnterAtTheTail) {
  TFigList list;
  const auto items = Fill(list, 3);
  EXPECT_EQ(list.GetTail(), items[2]);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2, 3}));
  TFigItem* empty = AddEmpty(list);
  EXPECT_EQ(list.GetTail(), empty);
  EXPECT_EQ(empty->Data.DrawingTool, dtNone);
  ExpectListInvariants(list);
}

TEST(FigList, MoveFrontAndBackAtBothEnds) {
  TFigList list;
  const auto it = Fill(list, 4);
  EXPECT_EQ(MoveFront(list, it[2]), 0);  // second-to-last becomes the tail
  EXPECT_EQ(list.GetTail(), it[2]);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2, 4, 3}));
  ExpectListInvariants(list);

  EXPECT_EQ(MoveBack(list, it[2]), 0);  // the tail goes back; its predecessor is the tail again
  EXPECT_EQ(list.GetTail(), it[3]);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2, 3, 4}));
  ExpectListInvariants(list);

  EXPECT_EQ(MoveBack(list, it[1]), 0);  // the second becomes the first
  EXPECT_EQ(list.GetNext(list.GetHead()), it[1]);
  EXPECT_EQ(MoveFront(list, it[1]), 0);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2, 3, 4}));
  ExpectListInvariants(list);
}

TEST(FigList, MovesRefusedAtTheEnds) {
  TFigList list;
  const auto it = Fill(list, 3);
  EXPECT_EQ(MoveBack(list, it[0]), 1);
  EXPECT_EQ(MoveFront(list, it[2]), 1);
  EXPECT_EQ(MoveBack(list, list.GetHead()), 1);
  EXPECT_EQ(MoveFront(list, list.GetHead()), 1);
  EXPECT_EQ(MoveBack(list, nullptr), 1);
  EXPECT_EQ(MoveFront(list, nullptr), 1);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2, 3}));
  ExpectListInvariants(list);

  TFigList one;
  TFigItem* only = Fill(one, 1)[0];
  EXPECT_EQ(MoveBack(one, only), 1);
  EXPECT_EQ(MoveFront(one, only), 1);
  EXPECT_EQ(one.GetTail(), only);
  ExpectListInvariants(one);
}

TEST(FigList, DeleteAtHeadTailAndMiddle) {
  TFigList list;
  const auto it = Fill(list, 4);
  EXPECT_EQ(DeleteFig(list, it[3]), 0);
  EXPECT_EQ(list.GetTail(), it[2]);
  ExpectListInvariants(list);
  EXPECT_EQ(DeleteFig(list, it[0]), 0);
  EXPECT_EQ(list.GetNext(list.GetHead()), it[1]);
  ExpectListInvariants(list);
  EXPECT_EQ(DeleteFig(list, it[1]), 0);
  EXPECT_EQ(Tags(list), (std::vector<int>{3}));
  EXPECT_EQ(DeleteFig(list, it[2]), 0);
  EXPECT_EQ(list.GetTail(), list.GetHead());
  ExpectListInvariants(list);
  EXPECT_EQ(DeleteFig(list, list.GetHead()), 1);
  EXPECT_EQ(DeleteFig(list, nullptr), 1);
  ExpectListInvariants(list);
}

TEST(FigList, DuplicateAppendsACopyAtTheTail) {
  TFigList list;
  const auto it = Fill(list, 2);
  EXPECT_EQ(DuplicateFig(list, nullptr), nullptr);
  EXPECT_EQ(list.Count(), 2);
  TFigItem* copy = DuplicateFig(list, it[0]);
  EXPECT_EQ(list.GetTail(), copy);
  EXPECT_NE(copy, it[0]);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2, 1}));
  ExpectListInvariants(list);
}

TEST(FigList, ClearKeepsTheHeadAndAcceptsNewFigures) {
  TFigList list;
  ClearFigList(list);  // empty: nothing happens
  ExpectListInvariants(list);
  Fill(list, 3);
  TFigItem* head = list.GetHead();
  ClearFigList(list);
  EXPECT_EQ(list.GetHead(), head);
  EXPECT_EQ(list.GetTail(), head);
  ExpectListInvariants(list);
  Fill(list, 2);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2}));
  ExpectListInvariants(list);
}

TEST(FigList, LongListReleasesWithoutDeepRecursion) {
  auto list = std::make_unique<TFigList>();
  const TFigData f = BoxFig(dtRectangle, {0, 0}, {1, 1}, kModelLook);
  for (int i = 0; i < 200000; ++i) AddCopy(*list, f);
  FreeFigList(list);
  EXPECT_EQ(list, nullptr);
}

}  // namespace
}  // namespace mirel
