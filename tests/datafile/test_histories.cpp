#include "test_histories.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "datafile/data_writer.h"
#include "model/fig_ops.h"
#include "support/figure_builders.h"
#include "support/figure_compare.h"

namespace mirel::test {
namespace {

constexpr TColor kOrange = 0x0000A5FF;
constexpr TColor kPink = 0x00B469FF;
// "はな" and "表" (its trail byte is 0x5C) in code page 932.
const std::string kHana = "\x82\xCD\x82\xC8";
const std::string kHyou = "\x95\x5C";

TActionTime Time(int second, int hundredths) {
  TActionTime t;
  t.Year = 2004;
  t.Month = 7;
  t.Day = 15;
  t.Hour = 10;
  t.Minute = 23;
  t.Second = static_cast<std::uint8_t>(second % 60);
  t.Hundredths = static_cast<std::uint8_t>(hundredths % 100);
  return t;
}

void ExpectSamePoints(const TPointData* a, const TPointData* b, const std::string& where) {
  const auto count = [](const TPointData* p) { return p ? p->GetCount() : 0; };
  ASSERT_EQ(count(a), count(b)) << where;
  for (std::int32_t i = 0; i < count(a); ++i) {
    ASSERT_EQ(a->Point(i), b->Point(i)) << where << " point " << i;
  }
}

void ExpectSameFigure(const TFigData& a, const TFigData& b, const std::string& where);

void ExpectSameStamp(const TFigList* a, const TFigList* b, const std::string& where) {
  const auto count = [](const TFigList* l) { return l ? l->Count() : 0; };
  ASSERT_EQ(count(a), count(b)) << where;
  if (!a || !b) return;
  int n = 0;
  for (const TFigItem *x = a->GetHead()->Next(), *y = b->GetHead()->Next(); x && y;
       x = x->Next(), y = y->Next(), ++n) {
    ExpectSameFigure(x->Data, y->Data, where + " stamp figure " + std::to_string(n));
  }
}

void ExpectSameFigure(const TFigData& a, const TFigData& b, const std::string& where) {
  EXPECT_EQ(FigureDifference(a, b, TFields::Stored), "") << where;
}

void ExpectSameChange(const TActionData& a, const TActionData& b, const std::string& where) {
  const TFigData& x = a.FigData;
  const TFigData& y = b.FigData;
  switch (a.Parameter) {
    case TParameter::Size:
      EXPECT_EQ(x.TextSize, y.TextSize) << where;
      EXPECT_EQ(x.Start, y.Start) << where;
      EXPECT_EQ(x.End, y.End) << where;
      if (y.PointData) ExpectSamePoints(x.PointData.get(), y.PointData.get(), where);
      if (y.StampData) ExpectSameStamp(x.StampData.get(), y.StampData.get(), where);
      break;
    case TParameter::BodyColor: EXPECT_EQ(x.BrushColor, y.BrushColor) << where; break;
    case TParameter::LineWidth: EXPECT_EQ(x.PenWidth, y.PenWidth) << where; break;
    case TParameter::LineColor: EXPECT_EQ(x.PenColor, y.PenColor) << where; break;
    case TParameter::Text:
      EXPECT_EQ(x.Start, y.Start) << where;
      EXPECT_EQ(x.End, y.End) << where;
      EXPECT_EQ(x.Text, y.Text) << where;
      break;
    case TParameter::TextColor: EXPECT_EQ(x.TextColor, y.TextColor) << where; break;
    case TParameter::NoParameter: break;
  }
}

}  // namespace

TActionData& Record(THistoryList& history, TActionKind kind, std::int32_t id, const TFigData& figure) {
  const std::int32_t step = history.GetStepCount();
  TActionData& r = history.AddAction(figure)->Data;
  r.ActionTime = Time(step, step * 7);
  r.TargetType = kind;
  r.TargetID = id;
  return r;
}

void BuildEveryKind(THistoryList& history) {
  TFigData text = BoxFig(dtText, {-5, 12}, {120, 40}, kDrawnLook);
  text.Text = kHana + kHyou;
  text.TextSize = 24;
  text.TextColor = kOrange;
  text.BrushColor = clBtnFace;
  Record(history, TActionKind::Create, 1, text);

  TFigData line = BoxFig(dtLine, {10, 20}, {200, 150}, kDrawnLook);
  line.PenColor = 0x12345678;  // no identifier
  Record(history, TActionKind::Create, 2, line);
  TFigData free = PointFig(dtFreeLine, {{0, 0}, {-3, 7}, {640, 480}, {-2147483647 - 1, 2147483647}}, kDrawnLook);
  free.BrushColor = kPink;
  Record(history, TActionKind::Create, 3, free);
  TFigData ellipse = BoxFig(dtEllipse, {-40, -30}, {40, 30}, kDrawnLook);
  ellipse.PenColor = 0x80000008;  // clWindowText
  ellipse.BrushColor = 0x1FFFFFFF;  // clNone
  Record(history, TActionKind::Create, 4, ellipse);
  TFigData rectangle = BoxFig(dtRectangle, {1, 2}, {3, 4}, kDrawnLook);
  rectangle.PenWidth = 0;
  rectangle.BrushColor = 0xFFFFFFFF;
  Record(history, TActionKind::Create, 5, rectangle);
  Record(history, TActionKind::Create, 6, PointFig(dtPolyline, {{5, 5}, {50, 5}, {50, 50}}, kDrawnLook));
  Record(history, TActionKind::Create, 7, PointFig(dtPolygon, {{9, 9}, {90, 9}, {9, 90}}, kDrawnLook));
  TFigData stamp = BoxFig(dtStamp, {100, 100}, {160, 140}, kDrawnLook);
  stamp.StampData = std::make_unique<TFigList>();
  AddCopy(stamp.StampData.MakeUnique(), BoxFig(dtRectangle, {0, 0}, {60, 40}, kDrawnLook));
  AddCopy(stamp.StampData.MakeUnique(), PointFig(dtPolygon, {{0, 0}, {30, 40}, {60, 0}}, kDrawnLook));
  Record(history, TActionKind::Create, 8, stamp);

  Record(history, TActionKind::SetStamp, 0);
  TFigData moved = line;
  OffsetFig(moved, -100, 3);
  Record(history, TActionKind::Move, 2, moved);
  Record(history, TActionKind::Duplicate, 9, moved);
  Record(history, TActionKind::Delete, 9);
  Record(history, TActionKind::Undo, 10, moved);
  Record(history, TActionKind::Front, 1);
  Record(history, TActionKind::Back, 3);

  TFigData changed = ellipse;
  changed.Start = {-50, -35};
  changed.End = {50, 35};
  changed.TextSize = 9;
  Record(history, TActionKind::Change, 4, changed).Parameter = TParameter::Size;
  TFigData changedFree = PointFig(dtFreeLine, {{0, 0}, {-6, 14}, {1280, 960}}, kDrawnLook);
  Record(history, TActionKind::Change, 3, changedFree).Parameter = TParameter::Size;
  TFigData changedStamp = stamp;
  changedStamp.End = {220, 180};
  Record(history, TActionKind::Change, 8, changedStamp).Parameter = TParameter::Size;
  changed.BrushColor = kPink;
  Record(history, TActionKind::Change, 4, changed).Parameter = TParameter::BodyColor;
  changed.PenWidth = 12;
  Record(history, TActionKind::Change, 4, changed).Parameter = TParameter::LineWidth;
  changed.PenColor = clBtnFace;
  Record(history, TActionKind::Change, 4, changed).Parameter = TParameter::LineColor;
  TFigData retexted = text;
  retexted.Text = "abc " + kHyou;
  retexted.End = {90, 40};
  Record(history, TActionKind::Change, 1, retexted).Parameter = TParameter::Text;
  retexted.TextColor = 0x80000012;
  Record(history, TActionKind::Change, 1, retexted).Parameter = TParameter::TextColor;

  Record(history, TActionKind::ReadData, 0).FileName = "C:\\work\\" + kHyou + ".mrl";
  Record(history, TActionKind::ReadBG, 0).FileName = "C:\\work\\hana.jpg";
  Record(history, TActionKind::CleareBG, 0);
  Record(history, TActionKind::ClearDrawing, 0);
  Record(history, TActionKind::ClearAll, 0);
  Record(history, TActionKind::Branch, 5);
  TActionData& undated = Record(history, TActionKind::Delete, 2);
  undated.ActionTime = {};
  undated.ActionTime.Hour = 23;
  undated.ActionTime.Second = 59;
}

void BuildNestedStamps(THistoryList& history) {
  TFigData polygon = PointFig(dtPolygon, {{0, 0}, {10, -10}, {20, 0}}, kDrawnLook);
  TFigData inner = BoxFig(dtStamp, {0, 0}, {20, 10}, kDrawnLook);
  inner.StampData = std::make_unique<TFigList>();
  AddCopy(inner.StampData.MakeUnique(), polygon);
  TFigData middle = BoxFig(dtStamp, {5, 5}, {25, 15}, kDrawnLook);
  middle.StampData = std::make_unique<TFigList>();
  AddCopy(middle.StampData.MakeUnique(), inner);
  AddCopy(middle.StampData.MakeUnique(), BoxFig(dtLine, {0, 0}, {-1, -1}, kDrawnLook));
  TFigData outer = BoxFig(dtStamp, {300, 200}, {330, 220}, kDrawnLook);
  outer.StampData = std::make_unique<TFigList>();
  AddCopy(outer.StampData.MakeUnique(), middle);
  AddCopy(outer.StampData.MakeUnique(), BoxFig(dtEllipse, {0, 0}, {30, 20}, kDrawnLook));
  TFigData empty = BoxFig(dtStamp, {1, 1}, {1, 1}, kDrawnLook);
  empty.StampData = std::make_unique<TFigList>();

  Record(history, TActionKind::Create, 1, outer);
  Record(history, TActionKind::Create, 2, empty);
  Record(history, TActionKind::Duplicate, 3, outer);
  TFigData bigger = outer;
  bigger.End = {360, 240};
  Record(history, TActionKind::Change, 3, bigger).Parameter = TParameter::Size;
  Record(history, TActionKind::Change, 2, empty).Parameter = TParameter::Size;
}

void BuildLongLines(THistoryList& history) {
  TFigData free = BoxFig(dtFreeLine, {}, {}, kDrawnLook);
  free.PointData = std::make_unique<TPointData>();
  for (int i = 0; i < TPointData::MaxPoints; ++i) free.PointData->AddPoint(i % 640 - 20, i / 4);
  FitToPoints(free);
  Record(history, TActionKind::Create, 1, free);
  TFigData smaller = free;
  for (std::int32_t i = 0; i < smaller.PointData->GetCount(); ++i) {
    TPoint& p = smaller.PointData->Point(i);
    p = {p.X / 2, p.Y / 2};
  }
  Record(history, TActionKind::Change, 1, smaller).Parameter = TParameter::Size;
}

std::string WriteToString(const THistoryList& history) {
  TDataOutput out;
  WriteDataFile(out, history);
  return out.Text();
}


std::filesystem::path DataPath(const std::string& name) {
  return std::filesystem::path(MIREL_TEST_DATA) / name;
}

void ExpectSameCarriedFields(const THistoryList& expected, const THistoryList& actual) {
  ASSERT_EQ(expected.GetStepCount(), actual.GetStepCount());
  int step = 1;
  for (const TActionItem *x = expected.GetHead()->Next(), *y = actual.GetHead()->Next(); x && y;
       x = x->Next(), y = y->Next(), ++step) {
    const std::string where = "step " + std::to_string(step);
    const TActionData& a = x->Data;
    const TActionData& b = y->Data;
    EXPECT_EQ(a.ActionTime, b.ActionTime) << where;
    ASSERT_EQ(a.TargetType, b.TargetType) << where;
    if (CarriesTargetID(a.TargetType)) {
      EXPECT_EQ(a.TargetID, b.TargetID) << where;
    }
    if (CarriesFileName(a.TargetType)) {
      EXPECT_EQ(a.FileName, b.FileName) << where;
    }
    if (a.TargetType == TActionKind::Change) {
      EXPECT_EQ(a.Parameter, b.Parameter) << where;
      ExpectSameChange(a, b, where);
    } else if (CarriesFigData(a.TargetType)) {
      ExpectSameFigure(a.FigData, b.FigData, where);
    }
  }
}

}  // namespace mirel::test
