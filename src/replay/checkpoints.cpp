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

bool TCheckpoints::Wants(std::int32_t step, std::int32_t target) const {
  if (step <= 0 || byStep_.contains(step)) return false;
  if (step % spacing_ == 0) return true;
  // Beyond the newest copy, one every initial spacing however far apart the
  // others have grown: the newest steps are the ones shown most. Opening a
  // long drawing would otherwise copy it whole every initial spacing, each
  // copy replacing the one before.
  return step % initialSpacing_ == 0 && target - step < initialSpacing_ &&
         (byStep_.empty() || step > byStep_.rbegin()->first);
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
