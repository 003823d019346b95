#include "replay/replay_engine.h"

#include <algorithm>

#include "model/fig_ops.h"
#include "replay/apply_change.h"
#include "replay/background_step.h"
#include "replay/edit_effects.h"

namespace mirel {

TReplayEngine::TReplayEngine(THistoryList& history, TFigList& figList, TFigList& deletedFigList)
    : history_(history), figList_(figList), deletedFigList_(deletedFigList) {}

TRebuiltStep TReplayEngine::RebuildDrawing(const TActionItem* playCursor) {
  return RebuildStep(std::max(history_.StepOf(playCursor), 0));
}

TRebuiltStep TReplayEngine::RebuildDrawing(const TActionItem* playCursor, IBackgroundSurface& surface) {
  return RebuildStep(std::max(history_.StepOf(playCursor), 0), surface);
}

TRebuiltStep TReplayEngine::RebuildStep(std::int32_t step, IBackgroundSurface& surface) {
  TRebuiltStep result = RebuildStep(step);
  ShowReplayBackground(surface, result.BackgroundFile, shownBGFile_);
  return result;
}

TRebuiltStep TReplayEngine::RebuildStep(std::int32_t step) {
  IndexHistory();
  const std::int32_t target = IsHistoryStep(step, history_.GetStepCount()) ? step : 0;
  std::int32_t base = 0;
  switch (ChooseRoute(target, base)) {
    case TRoute::Forward:
      if (target - lastStep_ > kMaxAreaSteps) ManySteps();
      for (std::int32_t next = lastStep_ + 1; next <= target; ++next) ApplyStep(next, target);
      break;
    case TRoute::Back:
      if (lastStep_ - target > kMaxAreaSteps) ManySteps();
      while (journal_.Last() > target) {
        RevertStep(journal_.Newest(), target);
        journal_.PopNewest();
      }
      break;
    case TRoute::Afresh:
      Everything();
      ClearDrawing();
      replayBGFile_.clear();
      skipped_ = 0;
      if (base > 0) RestoreCheckpoint(*checkpoints_.At(base));
      journal_.Restart(base);
      for (const std::int32_t next : effective_) ApplyStep(next, target);
      break;
  }
  // A step reached by a resume cannot be taken back.
  if (journal_.Last() != target) journal_.Restart(target);
  if (changes_) changes_->Rebuilt(target);
  lastStep_ = target;
  lastRecords_ = history_.GetStepCount();
  lastGeneration_ = history_.Generation();
  lastFigures_ = figList_.Count();
  lastDeleted_ = deletedFigList_.Count();
  lastTail_ = figList_.GetTail();

  TRebuiltStep result;
  result.Dates = StepDateTexts(target == 0 ? nullptr : &history_.StepItem(target)->Data);
  result.BackgroundFile = replayBGFile_;
  result.SkippedRecords = skipped_;
  return result;
}

bool TReplayEngine::LeftAsLastRebuild() const {
  return lastStep_ >= 0 && lastRecords_ == history_.GetStepCount() && lastGeneration_ == history_.Generation() &&
         lastFigures_ == figList_.Count() && lastDeleted_ == deletedFigList_.Count() &&
         lastTail_ == figList_.GetTail();
}

bool TReplayEngine::GoesOnTo(std::int32_t target) const {
  for (std::int32_t step = lastStep_ + 1; step <= target; ++step) {
    if (resumeFrom_[static_cast<std::size_t>(step)] >= 0) return false;
  }
  return true;
}

TReplayEngine::TRoute TReplayEngine::ChooseRoute(std::int32_t target, std::int32_t& base) {
  // Costs in halves of a record applied: applying a record makes a figure,
  // as copying one does, which composition then looks up anew; taking a
  // step back or releasing a figure costs about half as much.
  constexpr std::int64_t kMake = 2, kRelease = 1;
  std::int64_t onward = -1;
  TRoute route = TRoute::Afresh;
  if (LeftAsLastRebuild() && target > lastStep_ && GoesOnTo(target)) {
    onward = kMake * (target - lastStep_);
    route = TRoute::Forward;
  } else if (LeftAsLastRebuild() && target < lastStep_ && journal_.Last() == lastStep_ && journal_.Reaches(target)) {
    onward = kRelease * (lastStep_ - target);
    route = TRoute::Back;
  }
  // The next step, as playback goes, needs no comparison.
  if (onward >= 0 && onward <= kMake) return route;
  base = CollectEffectiveSteps(target);
  const TCheckpoint* copy = base > 0 ? checkpoints_.At(base) : nullptr;
  const std::int64_t afresh = kRelease * (figList_.Count() + deletedFigList_.Count()) +
                              kMake * ((copy ? copy->Count : 0) + static_cast<std::int64_t>(effective_.size()));
  return onward >= 0 && onward <= afresh ? route : TRoute::Afresh;
}

void TReplayEngine::ApplyStep(std::int32_t step, std::int32_t target) {
  if (changes_) changes_->Applying(step, history_.Generation(), target);
  TStepUndo& undo = journal_.Push(step);
  undo.SkippedBefore = skipped_;
  if (resumeFrom_[static_cast<std::size_t>(step)] == kBadBranch) {
    ++skipped_;
  } else if (!ApplyAction(*history_.StepItem(step), undo)) {
    journal_.Restart(step);
  }
  if (checkpoints_.Wants(step, target, figList_.Count() + deletedFigList_.Count())) SaveCheckpoint(step);
}

void TReplayEngine::SaveCheckpoint(std::int32_t step) {
  auto checkpoint = std::make_unique<TCheckpoint>();
  checkpoint->Creators.reserve(static_cast<std::size_t>(figList_.Count()));
  checkpoint->Sizes.reserve(static_cast<std::size_t>(figList_.Count()));
  for (const TFigItem* item = figList_.GetNext(figList_.GetHead()); item; item = item->Next()) {
    AddExactCopy(checkpoint->Figures, item->Data);
    const TLiveLinks::TRecordsOf records = history_.Links.RecordsOf(&item->Data);
    checkpoint->Creators.push_back(records.Newest);
    checkpoint->Sizes.push_back(records.Size);
  }
  for (const TFigItem* item = deletedFigList_.GetNext(deletedFigList_.GetHead()); item; item = item->Next()) {
    AddExactCopy(checkpoint->Deleted, item->Data);
  }
  checkpoint->Background = replayBGFile_;
  checkpoint->Skipped = skipped_;
  checkpoint->Weight = FigureWeight(checkpoint->Figures) + FigureWeight(checkpoint->Deleted);
  checkpoint->Count = checkpoint->Figures.Count() + checkpoint->Deleted.Count();
  checkpoints_.Keep(step, std::move(checkpoint));
}

void TReplayEngine::RestoreCheckpoint(const TCheckpoint& checkpoint) {
  std::size_t n = 0;
  for (const TFigItem* item = checkpoint.Figures.GetNext(checkpoint.Figures.GetHead()); item;
       item = item->Next(), ++n) {
    AddExactCopy(figList_, item->Data);
    TFigItem* live = figList_.GetTail();
    if (TActionData* creator = checkpoint.Creators[n]) Link(*creator, live);
    if (const TActionData* size = checkpoint.Sizes[n]) history_.Links.SetSizeRecord(&live->Data, *size);
  }
  for (const TFigItem* item = checkpoint.Deleted.GetNext(checkpoint.Deleted.GetHead()); item; item = item->Next()) {
    AddExactCopy(deletedFigList_, item->Data);
  }
  replayBGFile_ = checkpoint.Background;
  skipped_ += checkpoint.Skipped;
}

TActionItem* TReplayEngine::FindCreatingRecord(std::int32_t id) const {
  for (TActionItem* item = history_.GetHead()->Next(); item; item = item->Next()) {
    if (IsCreatingKind(item->Data.TargetType) && item->Data.TargetID == id) return item;
  }
  return nullptr;
}

void TReplayEngine::IndexHistory() {
  if (indexedGeneration_ != history_.Generation()) {
    // Records were released: nothing indexed or linked may be looked at.
    indexedGeneration_ = history_.Generation();
    linked_.clear();
    checkpoints_.Clear();
    journal_.Restart(-1);
    lastStep_ = -1;
    resumeFrom_.assign(1, kNotABranch);
    creators_.Reset(2 * history_.GetStepCount() + 4096);
  }
  const auto count = static_cast<std::size_t>(history_.GetStepCount());
  for (auto step = static_cast<std::int32_t>(resumeFrom_.size()); resumeFrom_.size() <= count; ++step) {
    TActionData& record = history_.StepItem(step)->Data;
    std::int32_t resume = kNotABranch;
    if (record.TargetType == TActionKind::Branch) {
      // Resuming from itself or from the future cannot be replayed; a step
      // before the first resumes from the empty drawing, as no step applies.
      resume = record.TargetID >= step ? kBadBranch : std::max(record.TargetID, 0);
    } else if (IsCreatingKind(record.TargetType)) {
      // The first creating record of an ID is the one that counts; a rebuild
      // of an earlier step never reaches it.
      creators_.AddFirst(record.TargetID, record);
    }
    resumeFrom_.push_back(resume);
  }
}

std::int32_t TReplayEngine::CollectEffectiveSteps(std::int32_t step) {
  effective_.clear();
  while (step > 0) {
    const std::int32_t resume = resumeFrom_[static_cast<std::size_t>(step)];
    if (resume >= 0) {
      step = resume;
      continue;
    }
    if (checkpoints_.At(step)) break;
    effective_.push_back(step);  // bad branches too: they count as skipped
    --step;
  }
  std::reverse(effective_.begin(), effective_.end());
  return step;
}

TFigItem* TReplayEngine::LiveFigureOf(std::int32_t id) {
  // Creating records are linked in step order and unlinked when their figure
  // leaves FigList, so a figure found here is always one of the drawing.
  const TCreator* creator = creators_.Find(id);
  return creator ? creator->Live : nullptr;
}

void TReplayEngine::Link(TActionData& record, TFigItem* item) {
  history_.Links.Link(record, &item->Data, item);
  history_.Links.SetSizeRecord(&item->Data, record);
  linked_.push_back(&record);
  TCreator* creator = creators_.Find(record.TargetID);
  if (creator && creator->Record == &record) creator->Live = item;
}

void TReplayEngine::ClearDrawing() {
  for (TActionData* record : linked_) {
    TCreator* creator = creators_.Find(record->TargetID);
    if (creator && creator->Record == record) creator->Live = nullptr;
  }
  linked_.clear();
  history_.Links.UnlinkAll();
  EmptyDrawing(figList_, deletedFigList_);
}

bool TReplayEngine::ApplyAction(TActionItem& item, TStepUndo& undo) {
  using TKind = TStepUndo::TKind;
  TActionData& record = item.Data;
  undo.Record = &record;
  switch (record.TargetType) {
    case TActionKind::Create:
    case TActionKind::Duplicate: {
      TFigItem* added = AddCopy(figList_, record.FigData);
      Link(record, added);
      Added(added->Data);
      undo.Kind = TKind::Added;
      return true;
    }
    case TActionKind::Undo: {
      // The newest deleted figure comes back in front of all others; the
      // record's own snapshot is not used.
      TFigItem* restored = RestoreNewestDeleted(figList_, deletedFigList_, &undo.Figure);
      if (!restored) {
        ++skipped_;
        return true;
      }
      Link(record, restored);
      Added(restored->Data);
      undo.Kind = TKind::Restored;
      return true;
    }
    case TActionKind::ReadBG:
    case TActionKind::CleareBG:
      Everything();
      undo.Kind = TKind::Background;
      undo.BackgroundBefore = std::exchange(replayBGFile_, record.TargetType == TActionKind::ReadBG ? record.FileName : "");
      return true;
    case TActionKind::ClearAll:
      Everything();
      replayBGFile_.clear();
      ClearDrawing();
      return false;
    case TActionKind::ClearDrawing:
      Everything();
      ClearDrawing();
      return false;
    case TActionKind::Move:
    case TActionKind::Delete:
    case TActionKind::Front:
    case TActionKind::Back:
    case TActionKind::Change:
      break;
    default:
      return true;  // SetStamp, ReadData, NoAction and unknown kinds change nothing
  }

  TFigItem* live = LiveFigureOf(record.TargetID);
  if (!live) {
    ++skipped_;
    return true;
  }
  // Where the figure showed and, unless it is deleted, where it shows now
  // (a reordered one shows in the same place over or under others).
  Leaving(live->Data);
  undo.SizeBefore = history_.Links.SizeRecord(&live->Data);
  switch (record.TargetType) {
    case TActionKind::Move: {
      // By offset, so that the points move with the corners.
      TFigData& figure = live->Data;
      undo.Kind = TKind::Moved;
      undo.Dx = WrapSub(record.FigData.Start.X, figure.Start.X);
      undo.Dy = WrapSub(record.FigData.Start.Y, figure.Start.Y);
      OffsetFig(figure, undo.Dx, undo.Dy);
      history_.Links.SetSizeRecord(&figure, record);
      break;
    }
    case TActionKind::Delete: {
      TCreator* creator = creators_.Find(record.TargetID);
      creator->Live = nullptr;
      undo.Kind = TKind::Deleted;
      undo.Linker = history_.Links.Newest(&live->Data);
      undo.After = live->Prev();
      history_.Links.UnlinkFigure(&live->Data);
      undo.Deleted = DeleteFigure(figList_, deletedFigList_, live);
      break;
    }
    case TActionKind::Front:
      undo.Kind = TKind::Reordered;
      undo.Swapped = MoveFront(figList_, live) == 0;  // already in front: nothing to do
      break;
    case TActionKind::Back:
      undo.Kind = TKind::Reordered;
      undo.Swapped = MoveBack(figList_, live) == 0;
      break;
    case TActionKind::Change:
      undo.Kind = TKind::Changed;
      undo.Figure = ExactCopy(live->Data);
      if (ApplyChange(record, *live) != 0) {
        ++skipped_;
      } else if (record.Parameter == TParameter::Size) {
        history_.Links.SetSizeRecord(&live->Data, record);
      }
      break;
    default:
      break;
  }
  if (record.TargetType != TActionKind::Delete) Entered(live->Data);
  return true;
}

}  // namespace mirel
