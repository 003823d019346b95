#include "render/figure_spans.h"

#include <algorithm>
#include <bit>
#include <thread>

#include "render/figure_drawing.h"
#include "render/frame_composer.h"
#include "render/split_drawing.h"

namespace mirel {
namespace {

const QRect kCanvas(0, 0, CanvasWidth, CanvasHeight);
constexpr QRgb kNothing = 0;  // transparent
constexpr int kWords = (CanvasWidth + 63) / 64;  // of a row of painted_
constexpr std::uint64_t kAll = ~std::uint64_t{0};
static_assert(kWords <= 16, "a band's words are bits of a std::uint16_t");

// Fewer figures are taken on one core: starting a thread costs about as
// much as taking a few dozen.
constexpr std::size_t kSplitFrom = 128;

void MakeNothing(TSurface& alone) {
  QImage& image = alone.MutableImage();
  image = QImage(CanvasWidth, CanvasHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(kNothing);
}

}  // namespace

TFigureSpans::TFigureSpans() : alone_(CanvasWidth, CanvasHeight) { MakeNothing(alone_); }

void TFigureSpans::Keep(const TFigData& figure, TEntry& entry) {
  if (bytes_ > kMaxBytes) return;  // DrawAll lets all go first next time
  entry.State = Take(figure, entry, alone_) ? TState::Kept : TState::Blending;
  bytes_ += sizeof(TEntry) + entry.Runs.capacity() * sizeof(TRun);
}

void TFigureSpans::KeepMany(std::span<const std::pair<const TFigData*, TEntry*>> wanted) {
  if (bytes_ > kMaxBytes) return;
  auto take = [](std::span<const std::pair<const TFigData*, TEntry*>> part, TSurface& alone) {
    for (const auto& [figure, entry] : part) entry->State = Take(*figure, *entry, alone) ? TState::Kept : TState::Blending;
  };
  if (wanted.size() < kSplitFrom || std::thread::hardware_concurrency() < 2) {
    take(wanted, alone_);
  } else {
    if (!aloneToo_) {
      aloneToo_ = std::make_unique<TSurface>(CanvasWidth, CanvasHeight);
      MakeNothing(*aloneToo_);
    }
    const std::size_t half = wanted.size() / 2;
    std::thread second([&] {
      take(wanted.subspan(half), *aloneToo_);
      aloneToo_->MutableImage();  // the painter ends on its own thread
    });
    take(wanted.first(half), alone_);
    second.join();
  }
  for (const auto& [figure, entry] : wanted) bytes_ += sizeof(TEntry) + entry->Runs.capacity() * sizeof(TRun);
}

void TFigureSpans::Draw(const TFigData& figure, TEntry& entry, TSurface& surface, const QRegion& clip, bool whole) {
  if (entry.State == TState::DrawnOnce) Keep(figure, entry);  // drawn before: now it is worth keeping
  if (entry.State == TState::Kept) {
    Fill(entry.Runs, surface, clip, whole);
  } else {
    if (entry.State == TState::New) entry.State = TState::DrawnOnce;
    DrawFigure(figure, surface, TPoint{}, TPenMode::Copy);
  }
}

void TFigureSpans::DrawAll(std::span<const TFigData* const> frontFirst, TSurface& surface, const QRegion& clip,
                           bool whole, const TFingerprintOf& fingerprintOf) {
  if (bytes_ > kMaxBytes) {
    byFigure_.clear();
    bytes_ = 0;
  }
  // Entries of the map do not move: the runs stay where they are while
  // others are taken and drawn.
  entries_.clear();
  bool anyKept = false;
  for (const TFigData* figure : frontFirst) {
    TEntry& entry = byFigure_[fingerprintOf ? fingerprintOf(*figure) : FigureFingerprint(*figure)];
    entries_.push_back(&entry);
    anyKept = anyKept || entry.State == TState::Kept;
  }
  // A figure stroked in front of kept ones keeps every figure behind it
  // from being filled front first: once some are kept, the runs of the
  // others are taken now, even of those never drawn here before. A first
  // composition, with none kept, strokes them all: taking the runs of every
  // figure of a long drawing costs a third more than stroking them.
  if (!anyKept && whole && std::all_of(entries_.begin(), entries_.end(), [](const TEntry* e) { return e->State == TState::New; })) {
    for (TEntry* entry : entries_) entry->State = TState::DrawnOnce;
    DrawBackToFront(frontFirst, surface);
    return;
  }
  // Figures drawn before are taken now, all at once.
  wanted_.clear();
  for (std::size_t n = 0; n < entries_.size(); ++n) {
    const TState state = entries_[n]->State;
    if (state == TState::DrawnOnce || (anyKept && state == TState::New)) wanted_.emplace_back(frontFirst[n], entries_[n]);
  }
  // Figures of the same look share an entry, taken once.
  std::sort(wanted_.begin(), wanted_.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  wanted_.erase(std::unique(wanted_.begin(), wanted_.end(), [](const auto& a, const auto& b) { return a.second == b.second; }),
                wanted_.end());
  KeepMany(wanted_);
  kept_.clear();
  while (kept_.size() < entries_.size() && entries_[kept_.size()]->State == TState::Kept) {
    kept_.push_back(entries_[kept_.size()]);
  }
  for (std::size_t n = frontFirst.size(); n > kept_.size(); --n) {
    Draw(*frontFirst[n - 1], *entries_[n - 1], surface, clip, whole);
  }
  if (!kept_.empty()) FillFrontFirst(kept_, surface, clip, whole);
}

bool TFigureSpans::Sealed(const QRect& box) const {
  const auto words = static_cast<std::uint16_t>(((1u << (box.right() / 64 + 1)) - 1) & ~((1u << (box.left() / 64)) - 1));
  for (int band = box.top() / kBandRows; band <= box.bottom() / kBandRows; ++band) {
    if ((sealed_[static_cast<std::size_t>(band)] & words) != words) return false;
  }
  return true;
}

void TFigureSpans::Painted(int y, int word) {
  const int band = y / kBandRows;
  for (int row = band * kBandRows; row < std::min((band + 1) * kBandRows, CanvasHeight); ++row) {
    if (painted_[static_cast<std::size_t>(row * kWords + word)] != kAll) return;
  }
  sealed_[static_cast<std::size_t>(band)] |= static_cast<std::uint16_t>(1u << word);
}

bool TFigureSpans::FillLayer(std::span<const TFigData* const> frontFirst, TSurface& layer,
                             const TFingerprintOf& fingerprintOf) {
  if (bytes_ > kMaxBytes) {
    byFigure_.clear();
    bytes_ = 0;
  }
  kept_.clear();
  for (const TFigData* figure : frontFirst) {
    TEntry& entry = byFigure_[fingerprintOf(*figure)];
    if (entry.State == TState::New || entry.State == TState::DrawnOnce) Keep(*figure, entry);
    if (entry.State != TState::Kept) return false;
    kept_.push_back(&entry);
  }
  if (!kept_.empty()) FillFrontFirst(kept_, layer, QRegion(), true);
  return true;
}

void TFigureSpans::FillFrontFirst(std::span<const TEntry* const> frontFirst, TSurface& surface,
                                  const QRegion& clip, bool whole) {
  // Outside the clip counts as painted.
  painted_.assign(static_cast<std::size_t>(CanvasHeight) * kWords, kAll);
  std::int64_t open = 0;
  QRect bounds;
  auto bits = [](int from, int to, int word) {  // pixels from..to of `word`
    const int lo = std::max(from - word * 64, 0), hi = std::min(to - word * 64, 63);
    return (hi == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (hi + 1)) - 1) & ~((std::uint64_t{1} << lo) - 1);
  };
  for (const QRect& rect : whole ? QRegion(kCanvas) : clip) {
    const QRect r = rect.intersected(kCanvas);
    if (r.isEmpty()) continue;
    bounds |= r;
    open += static_cast<std::int64_t>(r.width()) * r.height();
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int w = r.left() / 64; w <= r.right() / 64; ++w) painted_[y * kWords + w] &= ~bits(r.left(), r.right(), w);
    }
  }
  sealed_.assign((CanvasHeight + kBandRows - 1) / kBandRows, 0);
  for (int y = 0; y < CanvasHeight; ++y) {
    for (int w = 0; w < kWords; ++w) {
      if (painted_[static_cast<std::size_t>(y * kWords + w)] == kAll) Painted(y, w);
    }
  }
  QImage& image = surface.MutableImage();
  uchar* const pixels = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (const TEntry* entry : frontFirst) {
    if (entry->Box.isEmpty() || Sealed(entry->Box)) continue;
    const std::vector<TRun>* runs = &entry->Runs;
    auto run = std::lower_bound(runs->begin(), runs->end(), bounds.top(), [](const TRun& a, int y) { return a.Y < y; });
    for (; run != runs->end() && run->Y <= bounds.bottom(); ++run) {
      const int left = std::max<int>(run->Left, bounds.left());
      const int right = std::min<int>(run->Right, bounds.right());
      if (left > right) continue;
      std::uint64_t* const row = &painted_[run->Y * kWords];
      QRgb* const line = reinterpret_cast<QRgb*>(pixels + run->Y * stride);
      for (int w = left / 64; w <= right / 64; ++w) {
        const std::uint64_t wanted = bits(left, right, w);
        std::uint64_t fresh = wanted & ~row[w];
        if (!fresh) continue;
        row[w] |= fresh;
        open -= std::popcount(fresh);
        if (row[w] == kAll) Painted(run->Y, w);
        if (fresh == wanted) {
          const int from = std::max(left, w * 64);
          std::fill(line + from, line + std::min(right, w * 64 + 63) + 1, run->Colour);
        } else {
          for (; fresh; fresh &= fresh - 1) line[w * 64 + std::countr_zero(fresh)] = run->Colour;
        }
      }
    }
    if (open == 0) return;  // nothing further back shows
  }
}

bool TFigureSpans::Take(const TFigData& figure, TEntry& entry, TSurface& aloneSurface) {
  const QRect box = DrawnBounds(figure).intersected(kCanvas);
  if (box.isEmpty()) return true;
  DrawFigure(figure, aloneSurface, TPoint{}, TPenMode::Copy);
  QImage& alone = aloneSurface.MutableImage();
  // Most of a figure's box is left untouched: eight pixels at a time are
  // passed over while they are.
  auto untouched = [](const QRgb* p) {
    QRgb touched = 0;
    for (int k = 0; k < 8; ++k) touched |= p[k];
    return touched == 0;
  };
  bool clean = true;
  for (int y = box.top(); y <= box.bottom() && clean; ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(alone.constScanLine(y));
    for (int x = box.left(); x <= box.right(); ++x) {
      if ((x - box.left()) % 8 == 0) {
        while (x + 8 <= box.right() + 1 && untouched(a + x)) x += 8;
        if (x > box.right()) break;
      }
      const QRgb pixel = a[x];
      if (pixel == kNothing) continue;
      if (qAlpha(pixel) != 255) {  // a pixel blends
        clean = false;
        break;
      }
      // The run goes on as long as the colour does.
      int right = x;
      while (right < box.right() && a[right + 1] == pixel) ++right;
      entry.Runs.push_back({static_cast<std::int16_t>(y), static_cast<std::int16_t>(x),
                            static_cast<std::int16_t>(right), pixel});
      x = right;
    }
  }
  // Back to nothing for the next figure: where it painted, or all its box.
  uchar* const bits = alone.bits();
  const qsizetype stride = alone.bytesPerLine();
  auto clear = [&](int y, int left, int right) {
    QRgb* const row = reinterpret_cast<QRgb*>(bits + y * stride);
    std::fill(row + left, row + right + 1, kNothing);
  };
  if (clean) {
    for (const TRun& run : entry.Runs) clear(run.Y, run.Left, run.Right);
  } else {
    for (int y = box.top(); y <= box.bottom(); ++y) clear(y, box.left(), box.right());
  }
  if (!clean) entry.Runs = {};
  entry.Runs.shrink_to_fit();
  for (const TRun& run : entry.Runs) entry.Box |= QRect(QPoint(run.Left, run.Y), QPoint(run.Right, run.Y));
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
