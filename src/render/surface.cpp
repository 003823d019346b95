#include "render/surface.h"

#include <QFontMetrics>
#include <QList>
#include <QPen>
#include <QPoint>
#include <algorithm>
#include <array>
#include <cstdint>

#include "render/canvas_font.h"
#include "render/system_colors.h"
#include "text/cp932.h"

namespace mirel {
namespace {

// Wider pens than this cover the whole canvas anyway; widths from files are
// held to it so a stray value cannot make one stroke take seconds.
constexpr std::int32_t MaxPenWidth = 2048;

QPoint ToQPoint(TPoint p) { return QPoint(p.X, p.Y); }

// The pixels of the box from p1 to p2 in either corner order, far edges
// excluded. Empty when the box has no area.
QRect PixelBox(TPoint p1, TPoint p2) {
  const std::int64_t left = std::min(p1.X, p2.X);
  const std::int64_t right = std::max(p1.X, p2.X);
  const std::int64_t top = std::min(p1.Y, p2.Y);
  const std::int64_t bottom = std::max(p1.Y, p2.Y);
  if (left == right || top == bottom) return {};
  // Pixels far outside the canvas cannot show; keeping the box within a
  // margin keeps Qt's integer geometry in range without changing a pixel of
  // an axis-aligned box.
  static constexpr std::int64_t Reach = 1 << 20;
  auto clampCoord = [](std::int64_t v) { return std::clamp<std::int64_t>(v, -Reach, Reach); };
  return QRect(QPoint(static_cast<int>(clampCoord(left)), static_cast<int>(clampCoord(top))),
               QPoint(static_cast<int>(clampCoord(right - 1)), static_cast<int>(clampCoord(bottom - 1))));
}

// Qt outlines a rectangle one pixel beyond its width: the rectangle whose
// one-pixel outline runs along the box's first and last pixels.
QRect OutlineRect(const QRect& box) { return box.adjusted(0, 0, -1, -1); }

}  // namespace

TSurface::TSurface(int width, int height) : image_(width, height, QImage::Format_RGB32), size_(width, height) {
  image_.fill(Qt::white);
}

TSurface::TSurface(QPainter& page, int width, int height) : size_(width, height), page_(&page) {
  page.setBackgroundMode(Qt::TransparentMode);
}

TSurface::~TSurface() = default;

const QImage& TSurface::Image() const {
  EndPaint();
  return image_;
}

QImage& TSurface::MutableImage() {
  EndPaint();
  return image_;
}

QPainter& TSurface::BeginPaint() {
  if (page_) return *page_;
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->setBackgroundMode(Qt::TransparentMode);
    if (!clip_.isEmpty()) painter_->setClipRegion(clip_);
  }
  return *painter_;
}

void TSurface::SetClip(const QRegion& area) {
  clip_ = area;
  if (painter_) painter_->setClipRegion(clip_);
}

void TSurface::ClearClip() {
  clip_ = QRegion();
  if (painter_) painter_->setClipping(false);
}

void TSurface::EndPaint() const { painter_.reset(); }

void TSurface::ApplyMode(QPainter& painter) const {
  // Not-xor complements (colour XOR pixel); with antialiasing off every
  // pixel is hit the same way each time, so drawing twice restores it.
  painter.setCompositionMode(State.PenMode == TPenMode::NotXor
                                 ? QPainter::RasterOp_NotSourceXorDestination
                                 : QPainter::CompositionMode_SourceOver);
}

void TSurface::ApplyPen(QPainter& painter) const {
  QPen pen(ColorFromValue(State.PenColor));
  if (State.PenWidth <= 1) {
    // One pixel; on a page one canvas pixel, scaled as the page is.
    if (page_) {
      pen.setWidthF(1.0);
    } else {
      pen.setWidth(0);
    }
    pen.setCapStyle(Qt::FlatCap);  // a line stops before its end point
    if (State.PenStyle == TPenStyle::Dot) pen.setDashPattern({3, 3});
  } else {
    // Wide pens draw solid whatever the style, with round ends and joins.
    pen.setWidth(std::min(State.PenWidth, MaxPenWidth));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  painter.setPen(pen);
}

void TSurface::ApplyBrush(QPainter& painter) const {
  if (State.BrushStyle == TBrushStyle::Clear) {
    painter.setBrush(Qt::NoBrush);
  } else {
    painter.setBrush(ColorFromValue(State.BrushColor));
  }
}

void TSurface::MoveTo(TPoint p) { State.PenPos = p; }

void TSurface::LineTo(TPoint p) {
  QPainter& painter = BeginPaint();
  ApplyMode(painter);
  ApplyPen(painter);
  painter.drawLine(ToQPoint(State.PenPos), ToQPoint(p));
  State.PenPos = p;
}

void TSurface::Rectangle(TPoint p1, TPoint p2) {
  const QRect box = PixelBox(p1, p2);
  if (box.isEmpty()) return;
  QPainter& painter = BeginPaint();
  ApplyMode(painter);
  ApplyPen(painter);
  ApplyBrush(painter);
  painter.drawRect(OutlineRect(box));
}

void TSurface::Ellipse(TPoint p1, TPoint p2) {
  const QRect box = PixelBox(p1, p2);
  if (box.isEmpty()) return;
  QPainter& painter = BeginPaint();
  ApplyMode(painter);
  ApplyPen(painter);
  ApplyBrush(painter);
  painter.drawEllipse(OutlineRect(box));
}

namespace {

// Point sequences are at most a figure's 2000 points; they are converted in
// a buffer on the stack rather than allocated per figure.
constexpr std::size_t MaxSequence = 2000;

template <class Draw>
void WithQPoints(std::span<const TPoint> points, Draw draw) {
  std::array<QPoint, MaxSequence> buffer;
  const std::size_t count = std::min(points.size(), MaxSequence);
  for (std::size_t i = 0; i < count; ++i) buffer[i] = ToQPoint(points[i]);
  draw(buffer.data(), static_cast<int>(count));
}

}  // namespace

void TSurface::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  QPainter& painter = BeginPaint();
  ApplyMode(painter);
  ApplyPen(painter);
  WithQPoints(points, [&](const QPoint* p, int n) { painter.drawPolyline(p, n); });
}

void TSurface::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  QPainter& painter = BeginPaint();
  ApplyMode(painter);
  ApplyPen(painter);
  ApplyBrush(painter);
  WithQPoints(points, [&](const QPoint* p, int n) { painter.drawPolygon(p, n, Qt::OddEvenFill); });
}

int TSurface::TextWidth(const QString& text) const { return CanvasTextWidth(text, State.FontSize); }

void TSurface::TextOut(TPoint p, const QString& text) {
  const QFont font = CanvasFont(State.FontSize);
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(text);
  State.PenPos = TPoint{WrapAdd(p.X, width), p.Y};
  // A text far from the picture shows nothing; skipping it also keeps the
  // box's far corner and baseline within int. The slack covers glyphs that
  // reach beyond their box.
  const std::int64_t slack = metrics.height();
  const std::int64_t right = std::int64_t{p.X} + width + slack;
  const std::int64_t bottom = std::int64_t{p.Y} + 2 * slack;
  if (right <= 0 || bottom <= 0 || p.X - slack >= Width() || p.Y - slack >= Height()) return;
  QPainter& painter = BeginPaint();
  ApplyMode(painter);
  painter.setFont(font);
  if (State.BrushStyle == TBrushStyle::Solid) {
    painter.fillRect(QRect(p.X, p.Y, width, metrics.height()), ColorFromValue(State.BrushColor));
  }
  painter.setPen(ColorFromValue(State.FontColor));
  painter.drawText(QPoint(p.X, p.Y + metrics.ascent()), text);
}

void TSurface::TextOutCp932(TPoint p, std::string_view cp932) {
  TextOut(p, QString::fromStdString(Cp932ToUtf8(cp932).Text));
}

void TSurface::FillRect(TPoint p1, TPoint p2) {
  // A clear brush fills nothing; filling ignores the pen mode.
  if (State.BrushStyle == TBrushStyle::Clear) return;
  const QRect box = PixelBox(p1, p2);
  if (box.isEmpty()) return;
  QPainter& painter = BeginPaint();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(box, ColorFromValue(State.BrushColor));
}

void TSurface::CopyRect(const QRect& dest, const QImage& source, const QRect& sourceRect) {
  QPainter& painter = BeginPaint();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(dest, source, sourceRect);
}

void TSurface::CopyRect(const QRect& dest, const TSurface& source, const QRect& sourceRect) {
  if (&source == this) {
    const QImage copy = image_.copy(sourceRect);  // never read what is being written
    CopyRect(dest, copy, copy.rect());
    return;
  }
  CopyRect(dest, source.Image(), sourceRect);
}

void SetMarkPen(TSurface& surface) {
  TDrawState& s = surface.State;
  s.PenWidth = 1;
  s.PenStyle = TPenStyle::Dot;
  s.PenColor = clBlack;
  s.BrushColor = clWhite;
  s.BrushStyle = TBrushStyle::Solid;
  s.PenMode = TPenMode::NotXor;
}

}  // namespace mirel
