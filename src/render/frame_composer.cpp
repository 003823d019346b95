#include "render/frame_composer.h"

#include <algorithm>
#include <cstdlib>
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

// Copies `composed` into `picture`, reusing its memory: fresh frame-sized
// memory is slow to touch.
void Keep(QImage& picture, const QImage& composed) {
  if (picture.size() == composed.size() && picture.format() == composed.format() &&
      picture.bytesPerLine() == composed.bytesPerLine()) {
    std::memcpy(picture.bits(), composed.constBits(), static_cast<std::size_t>(composed.sizeInBytes()));
  } else {
    picture = composed.copy();
  }
}

}  // namespace

std::uint64_t FigureFingerprint(const TFigData& figure) {
  TFingerprint fingerprint;
  fingerprint.Add(figure);
  return fingerprint.Value();
}

void TFrameComposer::Forget() {
  layers_.Drop();
  lastOnly_ = nullptr;
  drawn_.clear();
  composed_ = false;
  fingerprinted_ = false;
}

bool TFrameComposer::NewBackground(TSurface& backBuffer, const QImage& background) {
  if (composed_ && background.cacheKey() == backgroundKey_) return false;
  backgroundKey_ = background.cacheKey();
  CopyBackground(backBuffer, background);
  Keep(base_, backBuffer.Image());
  return true;
}

void TFrameComposer::Unmark(TSurface& backBuffer) {
  if (marked_) Restore(backBuffer, top_);
  marked_ = false;
}

void TFrameComposer::Finish(TSurface& backBuffer, const TFigItem* selected) {
  composed_ = true;
  if (!selected) return;
  // The picture without the mark, for the next composition to go on from.
  Keep(top_, backBuffer.Image());
  marked_ = true;
  DrawSelectionMark(selected->Data, backBuffer);
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

  const bool known = composed_ && fingerprinted_;
  layers_.Drop();
  lastOnly_ = nullptr;
  Unmark(backBuffer);
  if (NewBackground(backBuffer, background) || !known) {
    RedrawAll(backBuffer);
  } else if (const std::size_t same = static_cast<std::size_t>(
                 std::mismatch(current_.begin(), current_.begin() + static_cast<std::ptrdiff_t>(
                                                                         std::min(current_.size(), drawn_.size())),
                               drawn_.begin())
                     .first -
                 current_.begin());
             same == drawn_.size()) {
    // Only new figures in front.
    for (std::size_t n = same; n < current_.size(); ++n) {
      DrawFigure(current_[n].Item->Data, backBuffer, TPoint{}, TPenMode::Copy);
    }
  } else if (const QRegion area = ChangedArea(); !area.isEmpty()) {
    RedrawArea(backBuffer, area);
  } else {
    RedrawAll(backBuffer);
  }
  std::swap(drawn_, current_);
  fingerprinted_ = true;
  Finish(backBuffer, selected);
}

void TFrameComposer::ComposeChanged(TSurface& backBuffer, const QImage& background, const TFigList& figures,
                                    const TFigItem* selected, TCanvasDamage& damage) {
  const bool known = composed_ && !damage.All();
  Unmark(backBuffer);
  const bool newBackground = NewBackground(backBuffer, background);
  if (newBackground || !known) {
    layers_.Drop();
    lastOnly_ = nullptr;
    if (!FromNearStep(backBuffer, figures, damage, composed_ && !newBackground)) {
      RedrawFigures(backBuffer, figures, QRect(0, 0, CanvasWidth, CanvasHeight), damage);
    }
  } else if (!FromLayers(backBuffer, figures, damage)) {
    // Figures added in front are drawn over the rest, unless the order
    // changed since; then they are redrawn with their area.
    const std::vector<const TFigData*>& added = damage.AddedInFront();
    bool inFront = true;
    const TFigItem* item = figures.GetTail();
    for (auto figure = added.rbegin(); inFront && figure != added.rend(); ++figure, item = item->Prev()) {
      inFront = item != figures.GetHead() && &item->Data == *figure;
    }
    QRegion area = damage.Area();
    if (!inFront) {
      const QRect canvas(0, 0, CanvasWidth, CanvasHeight);
      for (const TFigData* figure : added) area |= damage.BoundsOf(*figure).intersected(canvas);
    }
    RedrawFigures(backBuffer, figures, area, damage);
    if (inFront) {
      for (const TFigData* figure : added) DrawFigure(*figure, backBuffer, TPoint{}, TPenMode::Copy);
    }
  }
  damage.Composed();
  drawn_.clear();
  fingerprinted_ = false;
  shownStep_ = damage.ShownStep();
  shownHistory_ = damage.ShownHistory();
  if (shownStep_ >= 0 && keepCanvases_) keyframes_.Offer(shownStep_, shownHistory_, backgroundKey_, backBuffer.Image());
  Finish(backBuffer, selected);
}

void TFrameComposer::RedrawFigures(TSurface& backBuffer, const TFigList& figures, const QRegion& area,
                                   TCanvasDamage& damage) {
  if (area.isEmpty()) return;
  const bool whole = area.rectCount() == 1 && area.boundingRect() == QRect(0, 0, CanvasWidth, CanvasHeight);
  if (whole) {
    Restore(backBuffer, base_);
  } else {
    for (const QRect& r : area) backBuffer.CopyRect(r, base_, r);
  }
  DrawVisibleFigures(
      backBuffer, figures, area, [&](const TFigData& figure) { return damage.BoundsOf(figure); }, &spans_,
      [&](const TFigData& figure) { return damage.FingerprintOf(figure); });
}

bool TFrameComposer::FromLayers(TSurface& backBuffer, const TFigList& figures, TCanvasDamage& damage) {
  if (!damage.Told()) return true;  // nothing to redraw; the layers still serve
  const TFigData* only = damage.OnlyChanged();
  const bool again = only && only == lastOnly_;
  lastOnly_ = only;
  if (only != unlayered_) unlayered_ = nullptr;
  const auto boundsOf = [&](const TFigData& figure) { return damage.BoundsOf(figure); };
  const auto fingerprintOf = [&](const TFigData& figure) { return damage.FingerprintOf(figure); };
  if (!only || !layers_.For(*only, backgroundKey_)) {
    layers_.Drop();
    if (!again || only == unlayered_) return false;
    // The same figure changed alone twice: it is likely to go on changing.
    const TFigItem* item = figures.GetTail();
    while (item != figures.GetHead() && &item->Data != only) item = item->Prev();
    if (item == figures.GetHead() ||
        !layers_.Make(figures, *item, base_, backgroundKey_, spans_, boundsOf, fingerprintOf)) {
      unlayered_ = only;  // not tried again while it goes on changing alone
      return false;
    }
  }
  layers_.Redraw(backBuffer, damage.Area(), spans_, fingerprintOf);
  return true;
}

bool TFrameComposer::FromNearStep(TSurface& backBuffer, const TFigList& figures, TCanvasDamage& damage,
                                  bool shown) {
  const std::int32_t step = damage.ShownStep();
  const std::uint64_t history = damage.ShownHistory();
  if (step < 0) return false;
  // The nearest of the last composition and the kept canvases on either
  // side, within the keyframes' spacing.
  const QImage* from = nullptr;
  std::int32_t fromStep = -1;
  auto consider = [&](std::int32_t candidate, const QImage* canvas) {
    if (candidate < 0 || std::abs(candidate - step) > TCanvasKeyframes::kSpacing) return;
    if (fromStep >= 0 && std::abs(candidate - step) >= std::abs(fromStep - step)) return;
    if (!damage.Between(candidate, step)) return;
    from = canvas;
    fromStep = candidate;
  };
  if (shown && shownHistory_ == history) consider(shownStep_, nullptr);
  for (const TKeyframe* kept : {keyframes_.Before(step, history, backgroundKey_),
                                keyframes_.After(step, history, backgroundKey_)}) {
    if (kept) consider(kept->Step, &kept->Canvas);
  }
  if (fromStep < 0) return false;
  if (from) Restore(backBuffer, *from);
  RedrawFigures(backBuffer, figures, *damage.Between(fromStep, step), damage);
  return true;
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

void TFrameComposer::Placed() {
  placed_.clear();
  placed_.reserve(current_.size());
  for (const TDrawn& d : current_) placed_.push_back({&d.Item->Data, d.Box});
}

void TFrameComposer::RedrawArea(TSurface& backBuffer, const QRegion& area) {
  for (const QRect& r : area) backBuffer.CopyRect(r, base_, r);
  Placed();
  DrawVisibleFigures(backBuffer, placed_, area);
}

void TFrameComposer::RedrawAll(TSurface& backBuffer) {
  Restore(backBuffer, base_);
  Placed();
  DrawVisibleFigures(backBuffer, placed_, QRect(0, 0, CanvasWidth, CanvasHeight));
}

}  // namespace mirel
