#include "render/figure_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "model/point_data.h"
#include "render/canvas_font.h"
#include "text/cp932.h"

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

namespace {

// Bounds as 64-bit edges, so far-away coordinates cannot overflow.
struct TBounds {
  std::int64_t Left = INT64_MAX, Top = INT64_MAX, Right = INT64_MIN, Bottom = INT64_MIN;
  void Add(std::int64_t x, std::int64_t y) {
    Left = std::min(Left, x);
    Right = std::max(Right, x);
    Top = std::min(Top, y);
    Bottom = std::max(Bottom, y);
  }
  void Add(const TBounds& b) {
    if (b.Left > b.Right) return;
    Add(b.Left, b.Top);
    Add(b.Right, b.Bottom);
  }
  void Widen(std::int64_t by) {
    Left -= by;
    Top -= by;
    Right += by;
    Bottom += by;
  }
};

// Where drawing `f` moved by `offset` can put pixels; coordinates wrap as
// the drawing's offsets do.
TBounds BoundsOf(const TFigData& f, TPoint offset) {
  TBounds b;
  auto add = [&](TPoint p) { b.Add(WrapAdd(p.X, offset.X), WrapAdd(p.Y, offset.Y)); };
  // The pen (round caps and joins reach half of it; rasterizing thin, flat
  // curves strays a few pixels more), clamped as drawing clamps it.
  const std::int64_t pen = std::clamp<std::int64_t>(f.PenWidth, 0, 2048) + 4 + (f.DrawingTool == dtEllipse ? 8 : 0);
  switch (f.DrawingTool) {
    case dtText: {
      const std::int64_t pixels = CanvasFontPixels(f.TextSize);
      const std::int64_t width = CanvasTextWidth(QString::fromStdString(Cp932ToUtf8(f.Text).Text), f.TextSize);
      add(f.Start);
      b.Left -= pixels;
      b.Top -= pixels;
      b.Right += width + pixels;
      b.Bottom += 3 * pixels;
      return b;
    }
    case dtFreeLine:
    case dtPolyline:
    case dtPolygon:
      if (!f.PointData || f.PointData->GetCount() == 0) return b;
      for (const TPoint& p : f.PointData->Points()) add(p);
      b.Widen(pen);
      return b;
    case dtStamp:
      if (f.StampData) {
        // Inner figures are drawn at the stamp's corner; inner stamps add their own.
        const TPoint corner{WrapAdd(f.Start.X, offset.X), WrapAdd(f.Start.Y, offset.Y)};
        for (const TFigItem* i = f.StampData->GetNext(f.StampData->GetHead()); i; i = i->Next()) {
          b.Add(BoundsOf(i->Data, corner));
        }
      }
      return b;
    case dtNone:
      return b;
    default:
      add(f.Start);
      add(f.End);
      b.Widen(pen);
      if (f.DrawingTool == dtEllipse && f.PenWidth <= 1) {
        // A one-pixel outline of a flat ellipse reaches out along its
        // length, up to about 0.4 x length / height beyond the pen (over
        // 3,000 random ellipses): a 137 x 4 one strays 14 pixels.
        const std::int64_t width = b.Right - b.Left, height = b.Bottom - b.Top;
        const std::int64_t reach = std::max(width, height) / std::max<std::int64_t>(std::min(width, height) - 2 * pen, 1);
        if (width > height) {
          b.Left -= reach;
          b.Right += reach;
        } else {
          b.Top -= reach;
          b.Bottom += reach;
        }
      }
      return b;
  }
}

}  // namespace

QRect DrawnBounds(const TFigData& figure, TPoint offset) {
  const TBounds b = BoundsOf(figure, offset);
  if (b.Left > b.Right) return {};
  static constexpr std::int64_t Reach = 1 << 20;
  auto clamp = [](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, -Reach, Reach)); };
  return QRect(QPoint(clamp(b.Left), clamp(b.Top)), QPoint(clamp(b.Right), clamp(b.Bottom)));
}

void OpaqueInterior(const TFigData& figure, int rows, std::vector<QRect>& boxes) {
  boxes.clear();
  if (figure.BrushColor == clBtnFace) return;
  if (figure.DrawingTool != dtRectangle && figure.DrawingTool != dtEllipse) return;
  // The box's pixels, far edges excluded, as the surface draws it.
  const std::int64_t left = std::min(figure.Start.X, figure.End.X);
  const std::int64_t right = std::max(figure.Start.X, figure.End.X);
  const std::int64_t top = std::min(figure.Start.Y, figure.End.Y);
  const std::int64_t bottom = std::max(figure.Start.Y, figure.End.Y);
  auto add = [&](std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    // Only the canvas matters; keeps the box within int.
    x0 = std::max<std::int64_t>(x0, -1);
    y0 = std::max<std::int64_t>(y0, -1);
    x1 = std::min<std::int64_t>(x1, CanvasWidth);
    y1 = std::min<std::int64_t>(y1, CanvasHeight);
    if (x0 <= x1 && y0 <= y1) {
      boxes.emplace_back(QPoint(static_cast<int>(x0), static_cast<int>(y0)), QPoint(static_cast<int>(x1), static_cast<int>(y1)));
    }
  };
  if (figure.DrawingTool == dtRectangle) {
    add(left + 1, top + 1, right - 2, bottom - 2);
    return;
  }
  // Rows whose edges lie a pixel and a half short of the rim, each box as
  // wide as the ellipse is a pixel and a half short of the rim at the edge
  // of its rows farthest from the middle: the rasterized rim strays less
  // than that.
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double a = (right - left) / 2.0, b = (bottom - top) / 2.0;
  const std::int64_t first = std::max<std::int64_t>(static_cast<std::int64_t>(std::ceil(cy - b + 1.5)), -1);
  const std::int64_t last = std::min<std::int64_t>(static_cast<std::int64_t>(std::floor(cy + b - 1.5)) - 1, CanvasHeight);
  const std::int64_t step = std::max(rows, 1);
  for (std::int64_t y0 = first, y1 = 0; y0 <= last; y0 = y1 + 1) {
    // Boxes end where the cover grid's rows end.
    y1 = std::min(last, y0 < 0 ? -1 : (y0 / step + 1) * step - 1);
    const double d = std::max(cy - static_cast<double>(y0), static_cast<double>(y1 + 1) - cy) + 1.5;
    if (d >= b) continue;
    const double half = a * std::sqrt(1 - (d / b) * (d / b)) - 1.5;
    if (half < 1) continue;
    add(static_cast<std::int64_t>(std::ceil(cx - half)), y0, static_cast<std::int64_t>(std::floor(cx + half)) - 1, y1);
  }
}

void DrawSelectionMark(const TFigData& figure, TSurface& surface) {
  SetMarkPen(surface);
  surface.Rectangle(TPoint{WrapSub(figure.Start.X, 3), WrapSub(figure.Start.Y, 3)},
                    TPoint{WrapAdd(figure.End.X, 3), WrapAdd(figure.End.Y, 3)});
}

}  // namespace mirel
