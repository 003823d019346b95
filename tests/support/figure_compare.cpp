#include "support/figure_compare.h"

#include <algorithm>
#include <sstream>
#include <span>

namespace mirel::test {
namespace {

std::string Show(const TPoint& p) { return "(" + std::to_string(p.X) + ", " + std::to_string(p.Y) + ")"; }

template <class T>
void Field(std::ostringstream& out, const char* name, const T& expected, const T& actual) {
  if (!(expected == actual)) out << name << " ";
}

std::string ListDifference(const TFigList* expected, const TFigList* actual, TFields fields) {
  const TFigList empty;
  const TFigList& e = expected ? *expected : empty;
  const TFigList& a = actual ? *actual : empty;
  if (e.Count() != a.Count()) return "count " + std::to_string(e.Count()) + " != " + std::to_string(a.Count());
  int index = 0;
  for (const TFigItem *x = e.GetNext(e.GetHead()), *y = a.GetNext(a.GetHead()); x && y;
       x = x->Next(), y = y->Next(), ++index) {
    const std::string difference = FigureDifference(x->Data, y->Data, fields);
    if (!difference.empty()) return "[" + std::to_string(index) + "] " + difference;
  }
  return {};
}

// The colours and the text, which a pending resize leaves alone.
void CompareLook(std::ostringstream& out, const TFigData& expected, const TFigData& actual) {
  Field(out, "DrawingTool", expected.DrawingTool, actual.DrawingTool);
  Field(out, "PenWidth", expected.PenWidth, actual.PenWidth);
  Field(out, "PenColor", expected.PenColor, actual.PenColor);
  Field(out, "BrushColor", expected.BrushColor, actual.BrushColor);
  Field(out, "TextColor", expected.TextColor, actual.TextColor);
  Field(out, "Text", expected.Text, actual.Text);
}

}  // namespace

std::string FigureDifference(const TFigData& expected, const TFigData& actual, TFields fields) {
  std::ostringstream out;
  CompareLook(out, expected, actual);
  Field(out, "TextSize", expected.TextSize, actual.TextSize);
  if (!(expected.Start == actual.Start)) out << "Start " << Show(expected.Start) << "!=" << Show(actual.Start) << " ";
  if (!(expected.End == actual.End)) out << "End " << Show(expected.End) << "!=" << Show(actual.End) << " ";
  const TPointData* p = expected.PointData.get();
  const TPointData* q = actual.PointData.get();
  if (fields == TFields::All) {
    Field(out, "BrushStyle", expected.BrushStyle, actual.BrushStyle);
    if (!p != !q) out << "PointData(null) ";
    if (!expected.StampData != !actual.StampData) out << "StampData(null) ";
    if (p && q && (p->MinX != q->MinX || p->MinY != q->MinY || p->MaxX != q->MaxX || p->MaxY != q->MaxY)) {
      out << "PointBounds ";
    }
  }
  const auto e = p ? p->Points() : std::span<const TPoint>{};
  const auto a = q ? q->Points() : std::span<const TPoint>{};
  if (!std::equal(e.begin(), e.end(), a.begin(), a.end())) out << "Points ";
  const std::string inner = ListDifference(expected.StampData.get(), actual.StampData.get(), fields);
  if (!inner.empty()) out << "StampData{" << inner << "} ";
  return out.str();
}

bool SameFigures(const TFigList& a, const TFigList& b) { return ListDifference(&a, &b, TFields::All).empty(); }

std::string DescribeListDifference(const TFigList& live, const TFigList& actual, const TFigData* unsettled) {
  const TFigItem* e = live.GetNext(live.GetHead());
  const TFigItem* a = actual.GetNext(actual.GetHead());
  for (int index = 0; e || a; ++index, e = e ? e->Next() : nullptr, a = a ? a->Next() : nullptr) {
    if (!e || !a) {
      return "figure count " + std::to_string(live.Count()) + " != " + std::to_string(actual.Count());
    }
    std::string difference;
    if (&e->Data == unsettled) {
      std::ostringstream out;
      CompareLook(out, e->Data, a->Data);
      difference = out.str();
    } else {
      difference = FigureDifference(TFigData(e->Data), a->Data, TFields::Stored);
    }
    if (!difference.empty()) {
      return "figure " + std::to_string(index) + " (tool " + std::to_string(int{e->Data.DrawingTool}) +
             "): " + difference;
    }
  }
  return {};
}

}  // namespace mirel::test
