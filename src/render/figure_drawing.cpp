#include "render/figure_drawing.h"

#include <algorithm>
#include <array>

#include "model/point_data.h"

namespace mirel {
namespace {

TPoint Offset(TPoint p, TPoint by) { return TPoint{WrapAdd(p.X, by.X), WrapAdd(p.Y, by.Y)}; }

void DrawPointList(const TFigData& figure, TSurface& surface, TPoint offset, bool closed) {
  if (!figure.PointData) return;
  std::array<TPoint, TPointData::MaxPoints> sequence;
  const auto points = figure.PointData->Points();
  const std::size_t count = std::min(points.size(), sequence.size());
  for (std::size_t i = 0; i < count; ++i) sequence[i] = Offset(points[i], offset);
  const std::span<const TPoint> drawn(sequence.data(), count);
  if (closed) {
    surface.Polygon(drawn);
  } else {
    surface.Polyline(drawn);
  }
}

}  // namespace

void DrawFigure(const TFigData& figure, TSurface& surface, TPoint offset, TPenMode mode) {
  TDrawState& state = surface.State;
  state.PenMode = mode;
  ApplyFigureAttributes(figure, state);

  const TPoint s = Offset(figure.Start, offset);
  const TPoint e = Offset(figure.End, offset);
  switch (figure.DrawingTool) {
    case dtText:
      state.FontSize = figure.TextSize;
      state.FontColor = figure.TextColor;
      surface.TextOutCp932(s, figure.Text);
      break;
    case dtLine:
      surface.MoveTo(s);
      surface.LineTo(e);
      break;
    case dtFreeLine:
    case dtPolyline:
      DrawPointList(figure, surface, offset, false);
      break;
    case dtEllipse:
      surface.Ellipse(s, e);
      break;
    case dtRectangle:
      surface.Rectangle(s, e);
      break;
    case dtPolygon:
      DrawPointList(figure, surface, offset, true);
      break;
    case dtStamp:
      if (figure.StampData) DrawStamp(*figure.StampData, surface, s);
      break;
    case dtNone:
      break;
  }
}

void DrawStamp(const TFigList& contents, TSurface& surface, TPoint offset) {
  for (const TFigItem* item = contents.GetNext(contents.GetHead()); item; item = item->Next()) {
    const TFigData& g = item->Data;
    if (g.DrawingTool == dtStamp) {
      if (g.StampData) DrawStamp(*g.StampData, surface, Offset(g.Start, offset));
    } else {
      DrawFigure(g, surface, offset, TPenMode::Copy);
    }
  }
}

void DrawSelectionMark(const TFigData& figure, TSurface& surface) {
  SetMarkPen(surface);
  surface.Rectangle(TPoint{WrapSub(figure.Start.X, 3), WrapSub(figure.Start.Y, 3)},
                    TPoint{WrapAdd(figure.End.X, 3), WrapAdd(figure.End.Y, 3)});
}

}  // namespace mirel
