#include "render/frame_composer.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

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
  // The figures as they are now; the bounds of the unchanged ones are known.
  std::unordered_map<std::uint64_t, QRect> before;
  before.reserve(drawn_.size());
  for (const TDrawn& d : drawn_) before.emplace(d.Fingerprint, d.Box);
  current_.clear();
  for (const TFigItem* item = figures.GetNext(figures.GetHead()); item; item = item->Next()) {
    TDrawn entry{item, FigureFingerprint(item->Data), {}};
    const auto found = before.find(entry.Fingerprint);
    entry.Box = found != before.end() ? found->second : DrawnBounds(item->Data);
    current_.push_back(entry);
  }

  const bool fresh = layers_.empty() || background.cacheKey() != backgroundKey_ || top_.Picture.isNull();
  if (fresh) {
    Forget();
    backgroundKey_ = background.cacheKey();
    CopyBackground(backBuffer, background);
    layers_.push_back({0, backBuffer.Image().copy()});
  }
  // The figures below the first that differs are as they were drawn.
  const std::size_t common = std::min(current_.size(), drawn_.size());
  const auto same = static_cast<std::size_t>(
      std::mismatch(current_.begin(), current_.begin() + static_cast<std::ptrdiff_t>(common), drawn_.begin()).first -
      current_.begin());
  while (layers_.size() > 1 && layers_.back().Figures > same) layers_.pop_back();

  if (fresh) {
    DrawFrom(backBuffer);
  } else if (same == drawn_.size()) {
    // Only new figures in front.
    Restore(backBuffer, top_.Picture);
    for (std::size_t n = same; n < current_.size(); ++n) {
      DrawFigure(current_[n].Item->Data, backBuffer, TPoint{}, TPenMode::Copy);
    }
  } else if (const QRegion area = ChangedArea(); !area.isEmpty()) {
    Restore(backBuffer, top_.Picture);
    RedrawArea(backBuffer, area);
  } else {
    DrawFrom(backBuffer);
  }
  KeepTop(backBuffer);
  std::swap(drawn_, current_);
  if (selected) DrawSelectionMark(selected->Data, backBuffer);
}

QRegion TFrameComposer::ChangedArea() const {
  // How many figures of each look there are now and were before: a look
  // that lost figures is redrawn where they were, one that gained where
  // they are.
  std::unordered_map<std::uint64_t, std::ptrdiff_t> balance;
  balance.reserve(drawn_.size() + current_.size());
  for (const TDrawn& d : current_) ++balance[d.Fingerprint];
  for (const TDrawn& d : drawn_) --balance[d.Fingerprint];
  QRegion area;
  std::size_t changed = 0;
  std::vector<const TDrawn*> keptBefore, keptNow;
  for (const TDrawn& d : drawn_) {
    if (balance[d.Fingerprint] == 0) {
      keptBefore.push_back(&d);
    } else {
      area |= d.Box;
      ++changed;
    }
  }
  for (const TDrawn& d : current_) {
    if (balance[d.Fingerprint] == 0) {
      keptNow.push_back(&d);
    } else {
      area |= d.Box;
      ++changed;
    }
  }
  // Figures that kept their look but changed places in the order.
  for (std::size_t i = 0; i < keptNow.size() && i < keptBefore.size(); ++i) {
    if (keptNow[i]->Fingerprint != keptBefore[i]->Fingerprint) {
      area |= keptNow[i]->Box;
      area |= keptBefore[i]->Box;
      ++changed;
    }
  }
  area &= QRect(0, 0, CanvasWidth, CanvasHeight);
  // Many changes, or a large area, are cheaper redrawn in the usual way.
  std::int64_t pixels = 0;
  for (const QRect& r : area) pixels += static_cast<std::int64_t>(r.width()) * r.height();
  if (changed > 8 || pixels > CanvasWidth * CanvasHeight / 3) return {};
  return area.isEmpty() ? QRegion(0, 0, 1, 1) : area;
}

void TFrameComposer::RedrawArea(TSurface& backBuffer, const QRegion& area) {
  for (const QRect& r : area) backBuffer.CopyRect(r, layers_.front().Picture, r);
  backBuffer.SetClip(area);
  for (const TDrawn& d : current_) {
    if (area.intersects(d.Box)) DrawFigure(d.Item->Data, backBuffer, TPoint{}, TPenMode::Copy);
  }
  backBuffer.ClearClip();
}

void TFrameComposer::DrawFrom(TSurface& backBuffer) {
  Restore(backBuffer, layers_.back().Picture);
  for (std::size_t n = layers_.back().Figures; n < current_.size(); ++n) {
    DrawFigure(current_[n].Item->Data, backBuffer, TPoint{}, TPenMode::Copy);
    if ((n + 1) % kLayerEvery == 0 && layers_.back().Figures < n + 1) {
      layers_.push_back({n + 1, backBuffer.Image().copy()});
    }
  }
}

void TFrameComposer::KeepTop(TSurface& backBuffer) {
  top_.Figures = current_.size();
  const QImage& composed = backBuffer.Image();
  if (top_.Picture.size() == composed.size() && top_.Picture.format() == composed.format() &&
      top_.Picture.bytesPerLine() == composed.bytesPerLine()) {
    // Reuses the picture's memory: fresh frame-sized memory is slow to touch.
    std::memcpy(top_.Picture.bits(), composed.constBits(), static_cast<std::size_t>(composed.sizeInBytes()));
  } else {
    top_.Picture = composed.copy();
  }
}

}  // namespace mirel
