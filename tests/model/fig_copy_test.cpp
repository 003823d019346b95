// Stored copies are as good as deep: equal, and independent afterwards
// (stamp contents are shared until one side changes them).
#include <gtest/gtest.h>

#include "model/fig_builders.h"
#include "support/figure_compare.h"
#include "model/fig_ops.h"

namespace mirel {
namespace {

using test::BoxFig;
using test::PointFig;
using test::StampFig;
using test::TextFig;
using test::kModelLook;


void ExpectSameFigure(const TFigData& a, const TFigData& b) { EXPECT_EQ(test::FigureDifference(a, b), ""); }

// Stamp(outer) > stamp(middle) > stamp(inner) > free line, with a text and
// a rectangle beside them at the outer levels.
TFigData ThreeLevelStamp() {
  const TFigData line = PointFig(dtFreeLine, {{5, 6}, {40, 2}, {17, 30}}, kModelLook);
  const TFigData inner = StampFig({1, 1}, {41, 31}, {&line}, kModelLook);
  const TFigData text = TextFig({0, 0}, {40, 12}, "\x95\x5C", 12, 0, kModelLook);
  const TFigData middle = StampFig({2, 3}, {60, 60}, {&text, &inner}, kModelLook);
  const TFigData rect = BoxFig(dtRectangle, {0, 0}, {9, 9}, kModelLook);
  return StampFig({100, 120}, {180, 200}, {&middle, &rect}, kModelLook);
}

// The free line at the bottom, to read, and to change (each level's
// contents made its own on the way down).
const TFigData& InnerLine(const TFigData& outer) {
  const TFigData& middle = outer.StampData->GetNext(outer.StampData->GetHead())->Data;
  const TFigData& inner = middle.StampData->GetTail()->Data;
  return inner.StampData->GetTail()->Data;
}
TFigData& InnerLineToChange(TFigData& outer) {
  TFigData& middle = outer.StampData.MakeUnique().GetHead()->Next()->Data;
  TFigData& inner = middle.StampData.MakeUnique().GetTail()->Data;
  return inner.StampData.MakeUnique().GetTail()->Data;
}

TEST(FigCopy, NestedStampIsEqualThenSharedUntilChangedThenIndependent) {
  TFigList list;
  auto source = std::make_unique<TFigData>(ThreeLevelStamp());
  TFigItem* copy = AddCopy(list, *source);

  ExpectSameFigure(*source, copy->Data);
  // The copy costs nothing: both hold the same contents.
  EXPECT_EQ(copy->Data.StampData.get(), source->StampData.get());
  EXPECT_TRUE(copy->Data.StampData.IsShared());

  // Change the source at the deepest level, then at the top.
  SetPointCoord(InnerLineToChange(*source), 0, 1, 999);
  source->StampData.MakeUnique().GetTail()->Data.PenWidth = 77;
  EXPECT_NE(copy->Data.StampData.get(), source->StampData.get());
  EXPECT_EQ(InnerLine(copy->Data).PointData->Point(1), (TPoint{40, 2}));
  EXPECT_EQ(copy->Data.StampData->GetTail()->Data.PenWidth, 2);
  EXPECT_EQ(InnerLine(*source).PointData->Point(1), (TPoint{999, 2}));

  // And the other way round.
  OffsetFig(InnerLineToChange(copy->Data), 1, 1);
  EXPECT_EQ(InnerLine(*source).PointData->Point(0), (TPoint{5, 6}));
  EXPECT_EQ(InnerLine(copy->Data).PointData->Point(0), (TPoint{6, 7}));

  // Releasing the source leaves the copy whole.
  source.reset();
  EXPECT_EQ(InnerLine(copy->Data).PointData->GetCount(), 3);
  EXPECT_EQ(copy->Data.StampData->Count(), 2);
}

TEST(StampContents, MakingContentsOwnCopiesOnlyTheLevelThatIsShared) {
  TFigData a = ThreeLevelStamp();
  const TFigList* alone = a.StampData.get();
  EXPECT_FALSE(a.StampData.IsShared());
  EXPECT_EQ(&a.StampData.MakeUnique(), alone);  // nobody else holds it: no copy

  const TFigData b = a;
  TFigList& own = a.StampData.MakeUnique();
  EXPECT_NE(&own, alone);
  EXPECT_EQ(b.StampData.get(), alone);
  // One level down the two still share, until that level changes too.
  const TFigData& middleOfA = own.GetHead()->Next()->Data;
  const TFigData& middleOfB = b.StampData->GetHead()->Next()->Data;
  EXPECT_EQ(middleOfA.StampData.get(), middleOfB.StampData.get());
  EXPECT_TRUE(middleOfB.StampData.IsShared());
}

TEST(StampContents, ContentsWithOtherCornersAreFittedOnceForAllCopies) {
  TFigData source = ThreeLevelStamp();
  InnerLineToChange(source).Start = {-7, -7};  // as a data file may give them
  const TFigData a = source;
  const TFigData b = source;
  EXPECT_EQ(InnerLine(a).Start, (TPoint{5, 2}));  // the bounds of its points
  EXPECT_EQ(InnerLine(source).Start, (TPoint{-7, -7}));
  EXPECT_NE(a.StampData.get(), source.StampData.get());
  EXPECT_EQ(a.StampData.get(), b.StampData.get());
  const TFigData c = a;  // fitted contents copy as they are
  EXPECT_EQ(c.StampData.get(), a.StampData.get());
}

TEST(FigCopy, PointFigureCornersAreRecomputedFromPoints) {
  TFigData line = PointFig(dtPolyline, {{10, 20}, {90, 95}, {50, 50}}, kModelLook);
  SetPointCoord(line, 0, 2, 200);  // bounds are now stale
  SetPointCoord(line, 1, 0, -4);
  line.Start = {1, 1};
  line.End = {2, 2};
  TFigList list;
  const TFigData& copy = AddCopy(list, line)->Data;
  EXPECT_EQ(copy.Start, (TPoint{10, -4}));
  EXPECT_EQ(copy.End, (TPoint{200, 95}));
  EXPECT_EQ(copy.PointData->MaxX, 200);
  EXPECT_EQ(line.Start, (TPoint{1, 1}));  // the source is only read
}

TEST(FigCopy, OwnedPartsFollowTheKind) {
  // A rectangle that happens to carry a point list gets none in the copy.
  TFigData rect = BoxFig(dtRectangle, {0, 0}, {5, 5}, kModelLook);
  rect.PointData = std::make_unique<TPointData>();
  TFigList list;
  EXPECT_EQ(AddCopy(list, rect)->Data.PointData, nullptr);
  // An empty stamp copies to an empty stamp.
  const TFigData empty = StampFig({0, 0}, {1, 1}, std::initializer_list<const TFigData*>{}, kModelLook);
  const TFigData& copy = AddCopy(list, empty)->Data;
  ASSERT_NE(copy.StampData, nullptr);
  EXPECT_TRUE(copy.StampData->IsEmpty());
}

TEST(FigCopy, FullFreeLineCopiesAll2000Points) {
  TFigData line = PointFig(dtFreeLine, {}, kModelLook);
  for (int i = 0; i < 2000; ++i) line.PointData->AddPoint(i % 640, i % 480);
  TFigList list;
  const TFigData& copy = AddCopy(list, line)->Data;
  EXPECT_EQ(copy.PointData->GetCount(), 2000);
  EXPECT_EQ(copy.End, (TPoint{639, 479}));
}

TEST(FigCopy, OffsetMovesPointsButNotStampContents) {
  TFigData stamp = ThreeLevelStamp();
  OffsetFig(stamp, 10, -20);
  EXPECT_EQ(stamp.Start, (TPoint{110, 100}));
  EXPECT_EQ(stamp.End, (TPoint{190, 180}));
  EXPECT_EQ(InnerLine(stamp).PointData->Point(0), (TPoint{5, 6}));

  TFigData line = PointFig(dtFreeLine, {{5, 6}, {7, 8}}, kModelLook);
  OffsetFig(line, 3, 4);
  EXPECT_EQ(line.PointData->Point(1), (TPoint{10, 12}));
  EXPECT_EQ(line.Start, (TPoint{8, 10}));
  EXPECT_EQ(line.PointData->MinX, 5);  // bounds stay stale
}

TEST(FigCopy, OffsetWrapsInsteadOfOverflowing) {
  TFigData rect = BoxFig(dtRectangle, {0x7FFFFFFF, 0}, {0, 0}, kModelLook);
  OffsetFig(rect, 1, 0);
  EXPECT_EQ(rect.Start.X, static_cast<std::int32_t>(0x80000000u));
}

}  // namespace
}  // namespace mirel
