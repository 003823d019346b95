#include "integration/figure_compare.h"

#include <algorithm>
#include <sstream>
#include <span>

namespace mirel::test {
namespace {

std::string Show(const TPoint& p) {
  return "(" + std::to_string(p.X) + ", " + std::to_string(p.Y) + ")";
}

template <class T>
void Field(std::ostringstream& out, const char* name, const T& expected, const T& actual) {
  if (!(expected == actual)) out << name << " ";
}

std::string DescribeFigure(const TFigData& stored, const TFigData& actual, bool compareSize);

std::string DescribeContents(const TFigList& expected, const TFigList& actual) {
  const TFigItem* e = expected.GetNext(expected.GetHead());
  const TFigItem* a = actual.GetNext(actual.GetHead());
  for (int index = 0; e || a; ++index, e = e ? e->Next() : nullptr, a = a ? a->Next() : nullptr) {
    if (!e || !a) {
      return "count " + std::to_string(expected.Count()) + " != " + std::to_string(actual.Count());
    }
    const std::string difference = DescribeFigure(e->Data, a->Data, true);
    if (!difference.empty()) return "[" + std::to_string(index) + "] " + difference;
  }
  return {};
}

std::string DescribeFigure(const TFigData& stored, const TFigData& actual, bool compareSize) {
  std::ostringstream out;
  Field(out, "DrawingTool", stored.DrawingTool, actual.DrawingTool);
  Field(out, "PenWidth", stored.PenWidth, actual.PenWidth);
  Field(out, "PenColor", stored.PenColor, actual.PenColor);
  Field(out, "BrushColor", stored.BrushColor, actual.BrushColor);
  Field(out, "TextColor", stored.TextColor, actual.TextColor);
  Field(out, "Text", stored.Text, actual.Text);
  if (!compareSize) return out.str();
  Field(out, "TextSize", stored.TextSize, actual.TextSize);
  if (!(stored.Start == actual.Start)) {
    out << "Start " << Show(stored.Start) << "!=" << Show(actual.Start) << " ";
  }
  if (!(stored.End == actual.End)) {
    out << "End " << Show(stored.End) << "!=" << Show(actual.End) << " ";
  }
  if (IsPointListTool(stored.DrawingTool)) {
    const auto e = stored.PointData ? stored.PointData->Points() : std::span<const TPoint>{};
    const auto a = actual.PointData ? actual.PointData->Points() : std::span<const TPoint>{};
    if (!std::equal(e.begin(), e.end(), a.begin(), a.end())) out << "Points ";
  }
  if (stored.DrawingTool == dtStamp) {
    const TFigList empty;
    const std::string inner = DescribeContents(stored.StampData ? *stored.StampData : empty,
                                               actual.StampData ? *actual.StampData : empty);
    if (!inner.empty()) out << "StampData{" << inner << "} ";
  }
  return out.str();
}

}  // namespace

std::string DescribeListDifference(const TFigList& live, const TFigList& actual,
                                   const TFigData* unsettled) {
  const TFigItem* e = live.GetNext(live.GetHead());
  const TFigItem* a = actual.GetNext(actual.GetHead());
  for (int index = 0; e || a; ++index, e = e ? e->Next() : nullptr, a = a ? a->Next() : nullptr) {
    if (!e || !a) {
      return "figure count " + std::to_string(live.Count()) + " != " +
             std::to_string(actual.Count());
    }
    const TFigData stored(e->Data);
    const std::string difference = DescribeFigure(stored, a->Data, &e->Data != unsettled);
    if (!difference.empty()) {
      return "figure " + std::to_string(index) + " (tool " +
             std::to_string(int{e->Data.DrawingTool}) + "): " + difference;
    }
  }
  return {};
}

}  // namespace mirel::test
