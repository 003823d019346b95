#pragma once
// The drawing the rendering and window benchmarks draw: figures of every
// kind, as a child makes them, the same for every benchmark program.
#include <cmath>
#include <memory>

#include "model/fig_ops.h"

namespace mirel::bench {

inline TFigData Figure(TDrawingTool tool, int i) {
  TFigData f;
  f.DrawingTool = tool;
  f.PenWidth = 2 + (i % 4) * 2;
  f.PenColor = static_cast<TColor>((i * 2654435761u) & 0xFFFFFF);
  f.BrushColor = i % 3 == 0 ? clBtnFace : static_cast<TColor>((i * 40503u) & 0xFFFFFF);
  const int x = (i * 37) % 560;
  const int y = (i * 53) % 400;
  f.Start = {x, y};
  f.End = {x + 20 + i % 60, y + 15 + i % 50};
  if (IsPointListTool(tool)) {
    f.PointData = std::make_unique<TPointData>();
    for (int k = 0; k < 60; ++k) {
      f.PointData->AddPoint(x + k * 2, y + static_cast<int>(20 * std::sin(k * 0.3 + i)));
    }
    FitToPoints(f);
  }
  if (tool == dtText) {
    f.Text = "\x82\xA8\x82\xCD\x82\xE6\x82\xA4 Mirel";  // "おはよう Mirel"
    f.TextSize = 12 + i % 12;
    f.TextColor = f.PenColor;
  }
  return f;
}

// A drawing of `count` figures of every kind, as a child makes them.
inline void FillDrawing(TFigList& figures, int count) {
  constexpr TDrawingTool Kinds[] = {dtLine, dtFreeLine, dtEllipse, dtRectangle, dtPolyline, dtPolygon, dtText};
  for (int i = 0; i < count; ++i) AddCopy(figures, Figure(Kinds[i % 7], i));
}

}  // namespace mirel::bench
