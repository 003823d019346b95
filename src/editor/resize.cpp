#include "editor/resize.h"

#include <algorithm>
#include <cmath>

#include "model/fig_ops.h"

namespace mirel {
namespace {

std::int32_t& Coord(TPoint& point, TAxis axis) { return axis == TAxis::X ? point.X : point.Y; }
std::int32_t Coord(const TPoint& point, TAxis axis) { return axis == TAxis::X ? point.X : point.Y; }

// Values far outside the canvas wrap as the offsets of the figure model do.
std::int32_t Truncate(double value) {
  const double t = std::trunc(value);
  if (!(std::abs(t) < 9.2e18)) return 0;
  return static_cast<std::int32_t>(static_cast<std::int64_t>(t));
}

void ResizeCorners(TFigData& figure, TPoint baseStart, TPoint baseEnd, TAxis axis, std::int32_t p) {
  Coord(figure.Start, axis) = WrapSub(Coord(baseStart, axis), p);
  Coord(figure.End, axis) = WrapAdd(Coord(baseEnd, axis), p);
}

void ResizePoints(TFigData& figure, const TResizeBase& base, TAxis axis, std::int32_t p) {
  ResizeCorners(figure, base.Start, base.End, axis, p);
  const double s = Coord(base.Start, axis);
  const double e = Coord(base.End, axis);
  if (e == s || !figure.PointData) return;
  const auto count = std::min<std::size_t>(base.Points.size(), static_cast<std::size_t>(figure.PointData->GetCount()));
  const int index = axis == TAxis::X ? 0 : 1;
  for (std::size_t i = 0; i < count; ++i) {
    const double b = Coord(base.Points[i], axis);
    const double r = ((b - s) / (e - s)) * 2 * p + (b - s);
    SetPointCoord(figure, index, static_cast<std::int32_t>(i), WrapAdd(Truncate(r), Coord(figure.Start, axis)));
  }
}

void ResizeText(TFigData& figure, const TResizeBase& base, std::int32_t d, const TTextWidth& textWidth) {
  const std::int64_t size = std::int64_t{base.TextSize} + d;
  if (size <= 5) return;
  figure.Start = base.Start;
  figure.TextSize = static_cast<std::int32_t>(std::min<std::int64_t>(size, INT32_MAX));
  figure.End.X = WrapAdd(figure.Start.X, textWidth(figure.Text, figure.TextSize));
  figure.End.Y = WrapAdd(base.Start.Y, Truncate(figure.TextSize * 1.2));
}

}  // namespace

void ScaleStampContents(TFigData& stamp, const TFigData& base, TAxis axis) {
  const double baseExtent = double(Coord(base.End, axis)) - Coord(base.Start, axis);
  if (baseExtent == 0 || !stamp.StampData || !base.StampData) return;
  const double k = (double(Coord(stamp.End, axis)) - Coord(stamp.Start, axis)) / baseExtent;
  const int index = axis == TAxis::X ? 0 : 1;
  const TFigItem* from = base.StampData->GetNext(base.StampData->GetHead());
  // The contents may be shared with the history's snapshots and the base.
  TFigList& contents = stamp.StampData.MakeUnique();
  for (TFigItem* to = contents.GetNext(contents.GetHead()); to && from;
       to = to->Next(), from = from->Next()) {
    TFigData& f = to->Data;
    const TFigData& s = from->Data;
    if (f.DrawingTool == dtText) {
      const double w = double(Coord(s.End, axis)) - Coord(s.Start, axis);
      const double c = (k - 1) * w * 0.5;
      Coord(f.Start, axis) = Truncate(Coord(s.Start, axis) * k + c);
      Coord(f.End, axis) = Truncate(Coord(s.End, axis) * k + c);
      continue;
    }
    if (IsPointListTool(f.DrawingTool) && f.PointData && s.PointData) {
      const std::int32_t count = std::min(f.PointData->GetCount(), s.PointData->GetCount());
      for (std::int32_t i = 0; i < count; ++i) {
        SetPointCoord(f, index, i, Truncate(Coord(s.PointData->Point(i), axis) * k));
      }
    }
    Coord(f.Start, axis) = Truncate(Coord(s.Start, axis) * k);
    Coord(f.End, axis) = Truncate(Coord(s.End, axis) * k);
    if (f.DrawingTool == dtStamp) ScaleStampContents(f, s, axis);
  }
}

void ResizeFigure(TFigData& figure, const TResizeBase& base, TAxis axis, std::int32_t position,
                  const TTextWidth& textWidth) {
  switch (figure.DrawingTool) {
    case dtText:
      ResizeText(figure, base, axis == TAxis::X ? position : -position, textWidth);
      return;
    case dtStamp:
      // From the stamp as it was when selected, contents included, so that a
      // moved stamp stays where it is.
      if (!base.Stamp) return;
      ResizeCorners(figure, base.Stamp->Start, base.Stamp->End, axis, position);
      ScaleStampContents(figure, *base.Stamp, axis);
      return;
    default:
      if (IsPointListTool(figure.DrawingTool)) {
        ResizePoints(figure, base, axis, position);
      } else {
        ResizeCorners(figure, base.Start, base.End, axis, position);
      }
      return;
  }
}

TResizeBase ResizeBaseOf(const TFigData& figure) {
  TResizeBase base{figure.Start, figure.End, figure.TextSize, {}, {}};
  if (IsPointListTool(figure.DrawingTool) && figure.PointData) {
    const auto points = figure.PointData->Points();
    base.Points.assign(points.begin(), points.end());
  }
  if (figure.DrawingTool == dtStamp) base.Stamp = figure;
  return base;
}

}  // namespace mirel
