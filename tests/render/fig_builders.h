#pragma once
// Figure records for drawing tests.
#include <initializer_list>
#include <memory>
#include <string>

#include "model/fig_data.h"
#include "model/fig_ops.h"

namespace mirel::test {

inline TFigData BoxFigure(TDrawingTool tool, TPoint start, TPoint end, TColor brush = clWhite,
                          TColor pen = clBlack, int width = 1) {
  TFigData f;
  f.DrawingTool = tool;
  f.PenWidth = width;
  f.PenColor = pen;
  f.BrushColor = brush;
  f.Start = start;
  f.End = end;
  return f;
}

inline TFigData PointFigure(TDrawingTool tool, std::initializer_list<TPoint> points,
                            TColor brush = clWhite, TColor pen = clBlack, int width = 1) {
  TFigData f = BoxFigure(tool, {}, {}, brush, pen, width);
  f.PointData = std::make_unique<TPointData>();
  for (TPoint p : points) f.PointData->AddPoint(p.X, p.Y);
  FitToPoints(f);
  return f;
}

inline TFigData TextFigure(TPoint start, std::string cp932, int size, TColor color,
                           TColor brush = clWhite) {
  TFigData f = BoxFigure(dtText, start, start, brush);
  f.Text = std::move(cp932);
  f.TextSize = size;
  f.TextColor = color;
  return f;
}

// A stamp at `start` holding copies of `contents`.
inline TFigData StampFigure(TPoint start, std::initializer_list<const TFigData*> contents) {
  TFigData f = BoxFigure(dtStamp, start, start);
  f.StampData = std::make_unique<TFigList>();
  for (const TFigData* g : contents) AddCopy(*f.StampData, *g);
  return f;
}

}  // namespace mirel::test
