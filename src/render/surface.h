#pragma once
// A picture with the canvas drawing state and the drawing operations the
// editor uses on it: the visible canvas, BackBuffer and other off-screen
// pictures are all surfaces.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QString>
#include <memory>
#include <span>
#include <string_view>

#include "model/geometry.h"
#include "model/draw_state.h"

namespace mirel {

class TSurface {
 public:
  // A white picture of the given size (Format_RGB32).
  TSurface(int width, int height);
  // Draws through `page`, a painter the caller opened on another device (a
  // printed page, a PDF) and placed so that one unit is one canvas pixel:
  // figures stay shapes there, and one-pixel pens keep one canvas pixel's
  // width. Such a surface has no picture; Image() is empty.
  TSurface(QPainter& page, int width, int height);
  TSurface(const TSurface&) = delete;
  TSurface& operator=(const TSurface&) = delete;
  ~TSurface();

  // The state the next operation uses; operations leave it as they set it.
  TDrawState State;

  int Width() const { return size_.width(); }
  int Height() const { return size_.height(); }
  // The finished picture (pending drawing is flushed first).
  const QImage& Image() const;
  QImage& MutableImage();

  void MoveTo(TPoint p);
  void LineTo(TPoint p);
  // Box figures take the box from p1 to p2 with the far edges excluded, in
  // either corner order.
  void Rectangle(TPoint p1, TPoint p2);
  void Ellipse(TPoint p1, TPoint p2);
  void Polyline(std::span<const TPoint> points);
  void Polygon(std::span<const TPoint> points);
  // Text with its top-left at p in the current font; an opaque background
  // with a solid brush, none with a clear one. The pen position ends at the
  // text's right end.
  void TextOut(TPoint p, const QString& text);
  void TextOutCp932(TPoint p, std::string_view cp932);
  // Width of `text` in the current font.
  int TextWidth(const QString& text) const;
  // Fills the box from p1 to p2 (far edges excluded) with the brush, in
  // copy mode whatever the pen mode; a clear brush fills nothing.
  void FillRect(TPoint p1, TPoint p2);
  // Copies pixels, stretching when the rectangles differ in size; the pen
  // mode does not apply.
  void CopyRect(const QRect& dest, const QImage& source, const QRect& sourceRect);
  void CopyRect(const QRect& dest, const TSurface& source, const QRect& sourceRect);
  // Limits every drawing operation to `area` until ClearClip; drawing clipped
  // gives the same pixels inside the area as drawing unclipped.
  void SetClip(const QRegion& area);
  void ClearClip();

 private:
  QPainter& BeginPaint();
  void ApplyPen(QPainter& painter) const;
  void ApplyBrush(QPainter& painter) const;
  void ApplyMode(QPainter& painter) const;
  void EndPaint() const;

  QImage image_;
  QSize size_;
  QPainter* page_ = nullptr;  // not owned; set for surfaces drawn through a page
  QRegion clip_;  // empty: no clip
  // Kept open between operations: opening a painter per shape costs more
  // than drawing most shapes.
  mutable std::unique_ptr<QPainter> painter_;
};

// Pen 1 pixel, dotted, black; brush white, solid; mode not-xor.
void SetMarkPen(TSurface& surface);

}  // namespace mirel
