#include "render/figure_spans.h"

#include <algorithm>

#include "render/figure_drawing.h"
#include "render/frame_composer.h"

namespace mirel {
namespace {

const QRect kCanvas(0, 0, CanvasWidth, CanvasHeight);
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

}  // namespace

TFigureSpans::TFigureSpans() : onWhite_(CanvasWidth, CanvasHeight), onBlack_(CanvasWidth, CanvasHeight) {
  onBlack_.MutableImage().fill(kBlack);
}

void TFigureSpans::Draw(const TFigData& figure, TSurface& surface, const QRegion& clip, bool whole) {
  const std::uint64_t key = FigureFingerprint(figure);
  auto found = byFigure_.find(key);
  if (found == byFigure_.end()) {
    byFigure_.emplace(key, TEntry{});
    DrawFigure(figure, surface, TPoint{}, TPenMode::Copy);
    return;
  }
  TEntry& entry = found->second;
  if (entry.State == TState::DrawnOnce) {
    // Drawn before: now it is worth keeping.
    if (bytes_ > kMaxBytes) {
      byFigure_.clear();
      bytes_ = 0;
      DrawFigure(figure, surface, TPoint{}, TPenMode::Copy);
      return;
    }
    entry.State = Take(figure, entry) ? TState::Kept : TState::Blending;
    bytes_ += sizeof(TEntry) + entry.Runs.capacity() * sizeof(TRun);
  }
  if (entry.State == TState::Kept) {
    Fill(entry.Runs, surface, clip, whole);
  } else {
    DrawFigure(figure, surface, TPoint{}, TPenMode::Copy);
  }
}

bool TFigureSpans::Take(const TFigData& figure, TEntry& entry) {
  const QRect box = DrawnBounds(figure).intersected(kCanvas);
  if (box.isEmpty()) return true;
  DrawFigure(figure, onWhite_, TPoint{}, TPenMode::Copy);
  DrawFigure(figure, onBlack_, TPoint{}, TPenMode::Copy);
  QImage& white = onWhite_.MutableImage();
  QImage& black = onBlack_.MutableImage();
  bool clean = true;
  for (int y = box.top(); y <= box.bottom() && clean; ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(white.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(black.constScanLine(y));
    for (int x = box.left(); x <= box.right(); ++x) {
      if (a[x] != b[x]) {
        if (a[x] != kWhite || b[x] != kBlack) clean = false;  // a pixel blends
        continue;
      }
      TRun* last = entry.Runs.empty() ? nullptr : &entry.Runs.back();
      if (last && last->Y == y && last->Right == x - 1 && last->Colour == a[x]) {
        last->Right = static_cast<std::int16_t>(x);
      } else {
        entry.Runs.push_back({static_cast<std::int16_t>(y), static_cast<std::int16_t>(x),
                              static_cast<std::int16_t>(x), a[x]});
      }
    }
  }
  // Back to plain white and black for the next figure.
  for (int y = box.top(); y <= box.bottom(); ++y) {
    std::fill_n(reinterpret_cast<QRgb*>(white.scanLine(y)) + box.left(), box.width(), kWhite);
    std::fill_n(reinterpret_cast<QRgb*>(black.scanLine(y)) + box.left(), box.width(), kBlack);
  }
  if (!clean) entry.Runs = {};
  entry.Runs.shrink_to_fit();
  return clean;
}

void TFigureSpans::Fill(const std::vector<TRun>& runs, TSurface& surface, const QRegion& clip, bool whole) {
  QImage& image = surface.MutableImage();
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  auto fill = [&](int y, int left, int right, QRgb colour) {
    QRgb* const row = reinterpret_cast<QRgb*>(bits + y * stride);
    std::fill(row + left, row + right + 1, colour);
  };
  if (whole) {
    for (const TRun& run : runs) fill(run.Y, run.Left, run.Right, run.Colour);
    return;
  }
  for (const QRect& r : clip) {
    // Runs are in row order: only the rows of the rectangle are looked at.
    auto run = std::lower_bound(runs.begin(), runs.end(), r.top(), [](const TRun& a, int y) { return a.Y < y; });
    for (; run != runs.end() && run->Y <= r.bottom(); ++run) {
      const int left = std::max<int>(run->Left, r.left());
      const int right = std::min<int>(run->Right, r.right());
      if (left <= right) fill(run->Y, left, right, run->Colour);
    }
  }
}

}  // namespace mirel
