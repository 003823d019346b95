#include "replay/checkpoints.h"

#include "model/fig_ops.h"

namespace mirel {
namespace {

// Gives every figure of `copy`, to any depth, the corners and point bounds
// of `original`.
void KeepCorners(TFigData& copy, const TFigData& original) {
  copy.Start = original.Start;
  copy.End = original.End;
  if (copy.PointData && original.PointData) {
    copy.PointData->MinX = original.PointData->MinX;
    copy.PointData->MinY = original.PointData->MinY;
    copy.PointData->MaxX = original.PointData->MaxX;
    copy.PointData->MaxY = original.PointData->MaxY;
  }
  // Contents shared with the original are its own figures already.
  if (!copy.StampData || !original.StampData || copy.StampData.get() == original.StampData.get()) return;
  const TFigItem* from = original.StampData->GetNext(original.StampData->GetHead());
  TFigList& contents = copy.StampData.MakeUnique();
  for (TFigItem* to = contents.GetNext(contents.GetHead()); to && from;
       to = to->Next(), from = from->Next()) {
    KeepCorners(to->Data, from->Data);
  }
}

}  // namespace

void AddExactCopy(TFigList& list, const TFigData& figure) { KeepCorners(AddCopy(list, figure)->Data, figure); }

TFigData ExactCopy(const TFigData& figure) {
  TFigData copy(figure);
  KeepCorners(copy, figure);
  return copy;
}

std::int64_t FigureWeight(const TFigList& list) {
  std::int64_t weight = 0;
  for (const TFigItem* item = list.GetNext(list.GetHead()); item; item = item->Next()) {
    weight += 1 + (item->Data.StampData ? FigureWeight(*item->Data.StampData) : 0);
  }
  return weight;
}

TCheckpoints::TCheckpoints(std::int32_t spacing, std::int64_t budget)
    : initialSpacing_(spacing), spacing_(spacing), budget_(budget) {}

std::int32_t TCheckpoints::SpacingAt(std::int32_t step, std::int32_t target, double weight) const {
  const double perStep = weight / step;
  std::int64_t spacing = spacing_;
  for (; spacing < (1 << 29); spacing *= 2) {
    double total = 0;
    for (const auto& [kept, checkpoint] : byStep_) {
      if (kept < step && kept % spacing == 0) total += static_cast<double>(checkpoint->Weight);
    }
    // The copies still to come, at the multiples of `spacing` up to `target`.
    const std::int64_t first = (step + spacing - 1) / spacing * spacing;
    const std::int64_t last = target / spacing * spacing;
    if (first <= last) total += perStep * static_cast<double>((last - first) / spacing + 1) * static_cast<double>(first + last) / 2;
    // The newest copy, near the target, stays too.
    if (const std::int64_t newest = target / initialSpacing_ * initialSpacing_; newest > step && newest % spacing != 0) {
      total += perStep * static_cast<double>(newest);
    }
    if (total <= static_cast<double>(budget_)) break;
  }
  return static_cast<std::int32_t>(spacing);
}

bool TCheckpoints::Wants(std::int32_t step, std::int32_t target, std::int64_t figures) const {
  if (step <= 0 || byStep_.contains(step)) return false;
  if (step % spacing_ == 0) {
    const std::int32_t spacing = SpacingAt(step, target, weightPerFigure_ * static_cast<double>(figures));
    // A rebuild with no copy to start from (opening a drawing) makes only
    // the newest of its copies; the first rebuild of an earlier step makes
    // the others on its way.
    if (step % spacing == 0) return !byStep_.empty() || step > target - spacing;
  }
  // Beyond the newest copy, one every initial spacing however far apart the
  // others have grown: the newest steps are the ones shown most. Opening a
  // long drawing would otherwise copy it whole every initial spacing, each
  // copy replacing the one before. A copy a little older serves as well:
  // the steps between cost less than copying the drawing once more.
  return step % initialSpacing_ == 0 && target - step < initialSpacing_ &&
         (byStep_.empty() || step - byStep_.rbegin()->first >= 2 * initialSpacing_);
}

void TCheckpoints::Keep(std::int32_t step, std::unique_ptr<TCheckpoint> checkpoint) {
  // A copy kept only for being the newest goes when a newer one comes.
  if (!byStep_.empty()) {
    const auto newest = std::prev(byStep_.end());
    if (newest->first < step && newest->first % spacing_ != 0) {
      weight_ -= newest->second->Weight;
      byStep_.erase(newest);
    }
  }
  weight_ += checkpoint->Weight;
  if (checkpoint->Count > 0) {
    weightPerFigure_ = static_cast<double>(checkpoint->Weight) / static_cast<double>(checkpoint->Count);
  }
  byStep_[step] = std::move(checkpoint);
  while (weight_ > budget_ && byStep_.size() > 1 && spacing_ < (1 << 29)) {
    spacing_ *= 2;
    const std::int32_t newest = byStep_.rbegin()->first;
    for (auto it = byStep_.begin(); it != byStep_.end();) {
      if (it->first % spacing_ != 0 && it->first != newest) {
        weight_ -= it->second->Weight;
        it = byStep_.erase(it);
      } else {
        ++it;
      }
    }
  }
}

const TCheckpoint* TCheckpoints::At(std::int32_t step) const {
  const auto found = byStep_.find(step);
  return found == byStep_.end() ? nullptr : found->second.get();
}

}  // namespace mirel
