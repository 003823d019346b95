#include "replay/replay_engine.h"

#include <algorithm>

#include "model/fig_ops.h"
#include "replay/apply_change.h"
#include "replay/background_step.h"

namespace mirel {

TReplayEngine::TReplayEngine(THistoryList& history, TFigList& figList, TFigList& deletedFigList)
    : history_(history), figList_(figList), deletedFigList_(deletedFigList) {}

TRebuiltStep TReplayEngine::RebuildDrawing(const TActionItem* playCursor) {
  // The records linked by an earlier rebuild are unlinked by IndexSteps; the
  // list of them may name records of a history cleared since.
  linked_.clear();
  history_.Links.UnlinkAll();
  ClearFigList(figList_);
  ClearFigList(deletedFigList_);
  replayBGFile_.clear();
  skipped_ = 0;

  const std::int32_t target = IndexSteps(playCursor);
  CollectEffectiveSteps(target);
  for (TActionItem* item : effective_) ApplyAction(*item);

  TRebuiltStep result;
  result.Dates = StepDateTexts(target == 0 ? nullptr : &steps_[static_cast<std::size_t>(target)]->Data);
  result.BackgroundFile = std::move(replayBGFile_);
  replayBGFile_.clear();
  result.SkippedRecords = skipped_;
  return result;
}

TRebuiltStep TReplayEngine::RebuildDrawing(const TActionItem* playCursor, IBackgroundSurface& surface) {
  TRebuiltStep result = RebuildDrawing(playCursor);
  ShowReplayBackground(surface, result.BackgroundFile, shownBGFile_);
  return result;
}

TActionItem* TReplayEngine::FindCreatingRecord(std::int32_t id) const {
  for (TActionItem* item = history_.GetHead()->Next(); item; item = item->Next()) {
    if (IsCreatingKind(item->Data.TargetType) && item->Data.TargetID == id) return item;
  }
  return nullptr;
}

std::int32_t TReplayEngine::IndexSteps(const TActionItem* target) {
  steps_.clear();
  resumeFrom_.clear();
  creators_.Reset(history_.GetStepCount());
  TActionItem* head = history_.GetHead();
  Unlink(head->Data);
  steps_.push_back(head);
  resumeFrom_.push_back(kNotABranch);
  bool reached = target == head;
  for (TActionItem* item = head->Next(); item; item = item->Next()) {
    TActionData& record = item->Data;
    Unlink(record);
    if (reached) continue;
    const auto step = static_cast<std::int32_t>(steps_.size());
    steps_.push_back(item);
    std::int32_t resume = kNotABranch;
    if (record.TargetType == TActionKind::Branch) {
      // Resuming from itself or from the future cannot be replayed; a step
      // before the first resumes from the empty drawing, as no step applies.
      resume = record.TargetID >= step ? kBadBranch : std::max(record.TargetID, 0);
    } else if (IsCreatingKind(record.TargetType)) {
      // The first creating record of an ID is the one that counts.
      creators_.AddFirst(record.TargetID, record);
    }
    resumeFrom_.push_back(resume);
    reached = item == target;
  }
  if (!reached) {
    steps_.resize(1);
    resumeFrom_.resize(1);
    creators_.Reset(0);
  }
  return static_cast<std::int32_t>(steps_.size()) - 1;
}

void TReplayEngine::CollectEffectiveSteps(std::int32_t step) {
  effective_.clear();
  while (step > 0) {
    const std::int32_t resume = resumeFrom_[static_cast<std::size_t>(step)];
    if (resume >= 0) {
      step = resume;
      continue;
    }
    if (resume == kBadBranch) {
      ++skipped_;
    } else {
      effective_.push_back(steps_[static_cast<std::size_t>(step)]);
    }
    --step;
  }
  std::reverse(effective_.begin(), effective_.end());
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

void TReplayEngine::Unlink(TActionData& record) {
  // Most records hold no link; leaving them unwritten spares a long
  // history's memory the write-back.
  if (record.LiveFig) record.LiveFig = nullptr;
  if (record.LiveItem) record.LiveItem = nullptr;
}

void TReplayEngine::ClearDrawing() {
  for (TActionData* record : linked_) {
    TCreator* creator = creators_.Find(record->TargetID);
    if (creator && creator->Record == record) creator->Live = nullptr;
  }
  linked_.clear();
  history_.Links.UnlinkAll();
  ClearFigList(figList_);
  ClearFigList(deletedFigList_);
}

void TReplayEngine::ApplyAction(TActionItem& item) {
  TActionData& record = item.Data;
  switch (record.TargetType) {
    case TActionKind::Create:
    case TActionKind::Duplicate:
      Link(record, AddCopy(figList_, record.FigData));
      return;
    case TActionKind::Undo: {
      // The newest deleted figure comes back in front of all others; the
      // record's own snapshot is not used.
      TFigItem* newest = deletedFigList_.GetTail();
      if (newest == deletedFigList_.GetHead()) {
        ++skipped_;
        return;
      }
      Link(record, AddCopy(figList_, newest->Data));
      DeleteFig(deletedFigList_, newest);
      return;
    }
    case TActionKind::ReadBG:
      replayBGFile_ = record.FileName;
      return;
    case TActionKind::CleareBG:
      replayBGFile_.clear();
      return;
    case TActionKind::ClearAll:
      replayBGFile_.clear();
      ClearDrawing();
      return;
    case TActionKind::ClearDrawing:
      ClearDrawing();
      return;
    case TActionKind::Move:
    case TActionKind::Delete:
    case TActionKind::Front:
    case TActionKind::Back:
    case TActionKind::Change:
      break;
    default:
      return;  // SetStamp, ReadData, NoAction and unknown kinds change nothing
  }

  TFigItem* live = LiveFigureOf(record.TargetID);
  if (!live) {
    ++skipped_;
    return;
  }
  switch (record.TargetType) {
    case TActionKind::Move: {
      // By offset, so that the points move with the corners.
      TFigData& figure = live->Data;
      OffsetFig(figure, WrapSub(record.FigData.Start.X, figure.Start.X),
                WrapSub(record.FigData.Start.Y, figure.Start.Y));
      history_.Links.SetSizeRecord(&figure, record);
      break;
    }
    case TActionKind::Delete: {
      AddCopy(deletedFigList_, live->Data);
      TCreator* creator = creators_.Find(record.TargetID);
      creator->Live = nullptr;
      history_.Links.UnlinkFigure(&live->Data);
      DeleteFig(figList_, live);
      break;
    }
    case TActionKind::Front:
      MoveFront(figList_, live);  // already in front: nothing to do
      break;
    case TActionKind::Back:
      MoveBack(figList_, live);
      break;
    case TActionKind::Change:
      if (ApplyChange(record, *live) != 0) {
        ++skipped_;
      } else if (record.Parameter == TParameter::Size) {
        history_.Links.SetSizeRecord(&live->Data, record);
      }
      break;
    default:
      break;
  }
}

}  // namespace mirel
