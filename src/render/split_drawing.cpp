#include "render/split_drawing.h"

#include <thread>

#include "render/figure_drawing.h"

namespace mirel {
namespace {

// Fewer figures are drawn on one thread: starting another and laying a
// layer over the canvas cost about as much as drawing a few dozen.
constexpr std::size_t kSplitFrom = 256;

void DrawRange(std::span<const TFigData* const> frontFirst, TSurface& surface) {
  for (auto figure = frontFirst.rbegin(); figure != frontFirst.rend(); ++figure) {
    DrawFigure(**figure, surface, TPoint{}, TPenMode::Copy);
  }
}

// Whether every pixel of `layer` is either painted (opaque) or untouched
// (transparent): a pixel blended with what lay beneath would blend with
// the layer's nothing instead of the figures behind.
bool PaintedOrUntouched(const QImage& layer) {
  for (int y = 0; y < layer.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      const int alpha = qAlpha(row[x]);
      if (alpha != 0 && alpha != 255) return false;
    }
  }
  return true;
}

void LayOver(const QImage& layer, QImage& canvas) {
  for (int y = 0; y < layer.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      if (qAlpha(from[x]) == 255) to[x] = from[x];
    }
  }
}

}  // namespace

void DrawBackToFront(std::span<const TFigData* const> frontFirst, TSurface& surface) {
  const QSize size(surface.Width(), surface.Height());
  if (frontFirst.size() < kSplitFrom || std::thread::hardware_concurrency() < 2 ||
      surface.Image().size() != size) {
    DrawRange(frontFirst, surface);
    return;
  }
  // The figures in front over nothing (transparent), drawn without
  // antialiasing in opaque colours: a pixel they paint is the pixel they
  // paint on the canvas, whatever lies beneath.
  const std::span<const TFigData* const> front = frontFirst.first(frontFirst.size() / 2);
  TSurface layer(size.width(), size.height());
  layer.MutableImage() = QImage(size, QImage::Format_ARGB32_Premultiplied);
  layer.MutableImage().fill(0);
  std::thread frontHalf([&] {
    DrawRange(front, layer);
    layer.MutableImage();  // the painter ends on its own thread
  });
  DrawRange(frontFirst.subspan(front.size()), surface);
  frontHalf.join();
  if (PaintedOrUntouched(layer.Image())) {
    LayOver(layer.Image(), surface.MutableImage());
  } else {
    DrawRange(front, surface);
  }
}

}  // namespace mirel
