#pragma once
// The one set of figure builders the tests of every layer use. Each layer's
// helpers only choose the look (tags, colours) that suits its checks.
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/fig_data.h"
#include "model/fig_ops.h"

namespace mirel::test {

struct TLook {
  std::int32_t PenWidth = 1;
  TColor Pen = clBlack;
  TColor Brush = clWhite;
  TColor TextColor = 0;
};

inline TFigData BoxFig(TDrawingTool tool, TPoint start, TPoint end, TLook look = {}) {
  TFigData f;
  f.DrawingTool = tool;
  f.PenWidth = look.PenWidth;
  f.PenColor = look.Pen;
  f.BrushColor = look.Brush;
  f.TextColor = look.TextColor;
  f.Start = start;
  f.End = end;
  return f;
}

// Corners are the bounds of the points, as every stored copy has them.
inline TFigData PointFig(TDrawingTool tool, std::initializer_list<TPoint> points, TLook look = {}) {
  TFigData f = BoxFig(tool, {}, {}, look);
  f.PointData = std::make_unique<TPointData>();
  for (const TPoint& p : points) f.PointData->AddPoint(p.X, p.Y);
  FitToPoints(f);
  return f;
}

inline TFigData TextFig(TPoint start, TPoint end, std::string cp932, std::int32_t size, TColor color,
                        TLook look = {}) {
  TFigData f = BoxFig(dtText, start, end, look);
  f.Text = std::move(cp932);
  f.TextSize = size;
  f.TextColor = color;
  return f;
}

// A stamp holding copies of `contents`, in order.
inline TFigData StampFig(TPoint start, TPoint end, std::initializer_list<const TFigData*> contents,
                         TLook look = {}) {
  TFigData f = BoxFig(dtStamp, start, end, look);
  f.StampData = std::make_unique<TFigList>();
  for (const TFigData* c : contents) AddCopy(f.StampData.MakeUnique(), *c);
  return f;
}

// The same from figures given by value.
inline TFigData StampFig(TPoint start, TPoint end, std::span<const TFigData> contents, TLook look = {}) {
  TFigData f = BoxFig(dtStamp, start, end, look);
  f.StampData = std::make_unique<TFigList>();
  for (const TFigData& c : contents) AddCopy(f.StampData.MakeUnique(), c);
  return f;
}
inline TFigData StampFig(TPoint start, TPoint end, std::initializer_list<TFigData> contents, TLook look = {}) {
  return StampFig(start, end, std::span<const TFigData>(contents.begin(), contents.size()), look);
}

// The figures of a list from back to front, by their PenWidth (the tests'
// tag for telling figures apart).
inline std::vector<int> Tags(const TFigList& list) {
  std::vector<int> tags;
  for (const TFigItem* i = list.GetNext(list.GetHead()); i; i = i->Next()) tags.push_back(i->Data.PenWidth);
  return tags;
}

}  // namespace mirel::test
