#include "replay/apply_change.h"

#include <gtest/gtest.h>

#include "history_fixture.h"

namespace mirel::test {
namespace {

TActionData ChangeRecord(TParameter parameter, const TFigData& snapshot) {
  TActionData r;
  r.TargetType = TActionKind::Change;
  r.Parameter = parameter;
  r.FigData = snapshot;
  return r;
}

TFigData Recoloured() {
  TFigData s = BoxFig(dtRectangle, {200, 200}, {260, 230}, Tagged(7));
  s.Text = "ちがう";
  s.TextSize = 30;
  s.PenColor = 0x112233;
  s.BrushColor = 0x445566;
  s.TextColor = 0x778899;
  return s;
}

TEST(ApplyChange, EachParameterCopiesOnlyItsFields) {
  const TFigData snapshot = Recoloured();
  struct Case {
    TParameter parameter;
    void (*expect)(TFigData&);  // sets on the original what the change alters
  };
  const Case cases[] = {
      {TParameter::BodyColor, [](TFigData& f) { f.BrushColor = 0x445566; }},
      {TParameter::LineWidth, [](TFigData& f) { f.PenWidth = 7; }},
      {TParameter::LineColor, [](TFigData& f) { f.PenColor = 0x112233; }},
      {TParameter::TextColor, [](TFigData& f) { f.TextColor = 0x778899; }},
      {TParameter::Text,
       [](TFigData& f) {
         f.Text = "ちがう";
         f.Start = {200, 200};
         f.End = {260, 230};
       }},
      {TParameter::NoParameter, [](TFigData&) {}},
      {static_cast<TParameter>(42), [](TFigData&) {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.parameter));
    TFigList list;
    TFigItem* item = AddCopy(list, BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(1)));
    TFigData expected = item->Data;
    c.expect(expected);
    EXPECT_EQ(ApplyChange(ChangeRecord(c.parameter, snapshot), *item), 0);
    EXPECT_TRUE(SameFigure(item->Data, expected));
  }
}

TEST(ApplyChange, SizeOfAPointFigureCopiesPointsAndBounds) {
  TFigList list;
  TFigItem* item = AddCopy(list, PointFig(dtFreeLine, {{10, 10}, {20, 30}, {40, 15}}, Tagged(1)));
  item->Data.PenColor = 0xABCDEF;
  TFigData snapshot = PointFig(dtFreeLine, {{10, 10}, {50, 90}, {100, 15}}, Tagged(2));
  snapshot.TextSize = 5;
  ASSERT_EQ(ApplyChange(ChangeRecord(TParameter::Size, snapshot), *item), 0);

  const TFigData& f = item->Data;
  EXPECT_EQ(f.PenWidth, 1);  // attributes stay the figure's own
  EXPECT_EQ(f.PenColor, 0xABCDEFu);
  EXPECT_EQ(f.TextSize, 5);
  EXPECT_EQ(f.Start, (TPoint{10, 10}));
  EXPECT_EQ(f.End, (TPoint{100, 90}));
  EXPECT_EQ(f.PointData->Point(1), (TPoint{50, 90}));
  EXPECT_EQ(f.PointData->Point(2), (TPoint{100, 15}));
  EXPECT_EQ(f.PointData->MaxX, 100);
  EXPECT_EQ(f.PointData->MaxY, 90);
  // The snapshot stays the record's own.
  EXPECT_NE(f.PointData.get(), snapshot.PointData.get());
}

TEST(ApplyChange, SizeOfAStampReplacesItsContents) {
  TFigList list;
  TFigItem* item = AddCopy(list, StampFig({0, 0}, {20, 20}, {BoxFig(dtRectangle, {0, 0}, {5, 5}, Tagged(11))}, Tagged(1)));
  const TFigData inner = StampFig({0, 0}, {4, 4}, {BoxFig(dtRectangle, {0, 0}, {2, 2}, Tagged(230))}, Tagged(23));
  TActionData record = ChangeRecord(
      TParameter::Size, StampFig({0, 0}, {40, 40}, {BoxFig(dtRectangle, {0, 0}, {10, 10}, Tagged(21)), BoxFig(dtRectangle, {1, 1}, {9, 9}, Tagged(22)), inner}, Tagged(2)));
  ASSERT_EQ(ApplyChange(record, *item), 0);

  EXPECT_EQ(item->Data.End, (TPoint{40, 40}));
  EXPECT_EQ(Tags(*item->Data.StampData), (std::vector<int>{21, 22, 23}));
  EXPECT_TRUE(SameFigures(*item->Data.StampData, *record.FigData.StampData));
  // As good as deep: changing the record afterwards leaves the figure alone.
  record.FigData.StampData.MakeUnique().GetTail()->Data.StampData.MakeUnique().GetTail()->Data.PenWidth = 999;
  EXPECT_EQ(item->Data.StampData->GetTail()->Data.StampData->GetTail()->Data.PenWidth, 230);
}

// A data file may give a polygon inside a stamp any corners; the resized
// stamp's contents are copies, so the polygon's corners are its points'
// bounds, one stamp down as well. The record keeps what the file says.
TEST(ApplyChange, SizeOfAStampGivesCopiedPolygonsTheirPointsBounds) {
  TFigData polygon = PointFig(dtFreeLine, {{0, 0}, {30, 40}, {60, 0}}, Tagged(31));
  polygon.DrawingTool = dtPolygon;
  TActionData record = ChangeRecord(
      TParameter::Size, StampFig({0, 0}, {60, 40}, {StampFig({0, 0}, {60, 40}, {polygon}, Tagged(32)), polygon}, Tagged(2)));
  TFigList& written = record.FigData.StampData.MakeUnique();
  written.GetTail()->Data.End = {1, 2};
  written.GetHead()->Next()->Data.StampData.MakeUnique().GetTail()->Data.Start = {5, 5};

  TFigList list;
  TFigItem* item = AddCopy(list, StampFig({0, 0}, {20, 20}, {BoxFig(dtRectangle, {0, 0}, {5, 5}, Tagged(11))}, Tagged(1)));
  ASSERT_EQ(ApplyChange(record, *item), 0);
  const TFigData& outerPolygon = item->Data.StampData->GetTail()->Data;
  const TFigData& innerPolygon = item->Data.StampData->GetHead()->Next()->Data.StampData->GetTail()->Data;
  for (const TFigData* f : {&outerPolygon, &innerPolygon}) {
    EXPECT_EQ(f->Start, (TPoint{0, 0}));
    EXPECT_EQ(f->End, (TPoint{60, 40}));
  }
  EXPECT_EQ(record.FigData.StampData->GetTail()->Data.End, (TPoint{1, 2}));
  EXPECT_EQ(record.FigData.StampData->GetHead()->Next()->Data.StampData->GetTail()->Data.Start,
            (TPoint{5, 5}));
}

TEST(ApplyChange, SizeThatCannotComeFromThisFigureChangesNothing) {
  TFigList list;
  TFigItem* line = AddCopy(list, PointFig(dtFreeLine, {{0, 0}, {10, 10}, {20, 0}}, Tagged(1)));
  TFigItem* stamp = AddCopy(list, StampFig({0, 0}, {20, 20}, {BoxFig(dtRectangle, {0, 0}, {5, 5}, Tagged(11))}, Tagged(2)));
  const TFigData lineBefore = line->Data;
  const TFigData stampBefore = stamp->Data;

  EXPECT_EQ(ApplyChange(ChangeRecord(TParameter::Size, PointFig(dtFreeLine, {{0, 0}, {90, 90}}, Tagged(1))), *line), 1);
  EXPECT_EQ(ApplyChange(ChangeRecord(TParameter::Size, BoxFig(dtRectangle, {0, 0}, {90, 90}, Tagged(1))), *line), 1);
  EXPECT_EQ(ApplyChange(ChangeRecord(TParameter::Size, BoxFig(dtRectangle, {0, 0}, {90, 90}, Tagged(2))), *stamp), 1);
  EXPECT_TRUE(SameFigure(line->Data, lineBefore));
  EXPECT_TRUE(SameFigure(stamp->Data, stampBefore));
}

}  // namespace
}  // namespace mirel::test
