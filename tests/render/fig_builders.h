#pragma once
// Figure records for drawing tests.
#include <initializer_list>
#include <memory>
#include <string>

#include "model/fig_data.h"
#include "model/fig_ops.h"
#include "support/figure_builders.h"

namespace mirel::test {

inline TFigData BoxFigure(TDrawingTool tool, TPoint start, TPoint end, TColor brush = clWhite,
                          TColor pen = clBlack, int width = 1) {
  return BoxFig(tool, start, end, {width, pen, brush});
}

inline TFigData PointFigure(TDrawingTool tool, std::initializer_list<TPoint> points,
                            TColor brush = clWhite, TColor pen = clBlack, int width = 1) {
  return PointFig(tool, points, {width, pen, brush});
}

inline TFigData TextFigure(TPoint start, std::string cp932, int size, TColor color,
                           TColor brush = clWhite) {
  return TextFig(start, start, std::move(cp932), size, color, {1, clBlack, brush});
}

// A stamp at `start` holding copies of `contents`.
inline TFigData StampFigure(TPoint start, std::initializer_list<const TFigData*> contents) {
  return StampFig(start, start, contents);
}

}  // namespace mirel::test
