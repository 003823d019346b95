#include "render/frame_composer.h"

#include <algorithm>
#include <cstring>

#include "render/canvas_composition.h"
#include "render/figure_drawing.h"

namespace mirel {
namespace {

class TFingerprint {
 public:
  void Add(std::uint64_t value) {
    hash_ ^= value;
    hash_ *= 0x100000001B3ull;
  }
  void Add(TPoint p) {
    Add(static_cast<std::uint32_t>(p.X));
    Add(static_cast<std::uint32_t>(p.Y));
  }
  void Add(const TFigData& f) {
    Add(f.DrawingTool);
    Add(static_cast<std::uint32_t>(f.PenWidth));
    Add(f.PenColor);
    Add(f.BrushColor);
    Add(static_cast<std::uint32_t>(f.TextSize));
    Add(f.TextColor);
    Add(f.Text.size());
    for (const char c : f.Text) Add(static_cast<unsigned char>(c));
    Add(f.Start);
    Add(f.End);
    if (f.PointData) {
      Add(static_cast<std::uint32_t>(f.PointData->GetCount()));
      for (const TPoint& p : f.PointData->Points()) Add(p);
    }
    if (f.StampData) {
      Add(static_cast<std::uint32_t>(f.StampData->Count()));
      for (const TFigItem* i = f.StampData->GetNext(f.StampData->GetHead()); i; i = i->Next()) Add(i->Data);
    }
  }
  std::uint64_t Value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

// The kept pictures are canvas-sized: copying one is one block copy.
void Restore(TSurface& target, const QImage& picture) { CopyBackground(target, picture); }

}  // namespace

std::uint64_t FigureFingerprint(const TFigData& figure) {
  TFingerprint fingerprint;
  fingerprint.Add(figure);
  return fingerprint.Value();
}

void TFrameComposer::Forget() {
  layers_.clear();
  drawn_.clear();
  top_ = {};
}

void TFrameComposer::Compose(TSurface& backBuffer, const QImage& background, const TFigList& figures,
                             const TFigItem* selected) {
  current_.clear();
  for (const TFigItem* item = figures.GetNext(figures.GetHead()); item; item = item->Next()) {
    current_.push_back({item, FigureFingerprint(item->Data)});
  }
  if (layers_.empty() || background.cacheKey() != backgroundKey_) {
    Forget();
    backgroundKey_ = background.cacheKey();
    CopyBackground(backBuffer, background);
    layers_.push_back({0, backBuffer.Image().copy()});
  }
  // The figures below the first that differs are as they were drawn.
  const std::size_t same = static_cast<std::size_t>(
      std::mismatch(current_.begin(), current_.begin() + static_cast<std::ptrdiff_t>(std::min(current_.size(), drawn_.size())),
                    drawn_.begin())
          .first -
      current_.begin());
  std::size_t from = 0;
  if (!top_.Picture.isNull() && top_.Figures == same && same == drawn_.size()) {
    Restore(backBuffer, top_.Picture);
    from = same;
  } else {
    while (layers_.size() > 1 && layers_.back().Figures > same) layers_.pop_back();
    Restore(backBuffer, layers_.back().Picture);
    from = layers_.back().Figures;
  }
  for (std::size_t n = from; n < current_.size(); ++n) {
    DrawFigure(current_[n].Item->Data, backBuffer, TPoint{}, TPenMode::Copy);
    if ((n + 1) % kLayerEvery == 0 && layers_.back().Figures < n + 1) {
      layers_.push_back({n + 1, backBuffer.Image().copy()});
    }
  }
  top_.Figures = current_.size();
  const QImage& composed = backBuffer.Image();
  if (top_.Picture.size() == composed.size() && top_.Picture.format() == composed.format() &&
      top_.Picture.bytesPerLine() == composed.bytesPerLine()) {
    // Reuses the picture's memory: fresh frame-sized memory is slow to touch.
    std::memcpy(top_.Picture.bits(), composed.constBits(), static_cast<std::size_t>(composed.sizeInBytes()));
  } else {
    top_.Picture = composed.copy();
  }
  std::swap(drawn_, current_);
  if (selected) DrawSelectionMark(selected->Data, backBuffer);
}

}  // namespace mirel
