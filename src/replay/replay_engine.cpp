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
  creatingRecords_.clear();
  TActionItem* head = history_.GetHead();
  Unlink(head->Data);
  steps_.push_back(head);
  bool reached = target == head;
  for (TActionItem* item = head->Next(); item; item = item->Next()) {
    Unlink(item->Data);
    if (reached) continue;
    steps_.push_back(item);
    // The first creating record of an ID is the one that counts.
    if (IsCreatingKind(item->Data.TargetType)) creatingRecords_.try_emplace(item->Data.TargetID, item);
    reached = item == target;
  }
  if (!reached) {
    steps_.resize(1);
    creatingRecords_.clear();
  }
  return static_cast<std::int32_t>(steps_.size()) - 1;
}

void TReplayEngine::CollectEffectiveSteps(std::int32_t step) {
  effective_.clear();
  while (step > 0) {
    TActionItem* item = steps_[static_cast<std::size_t>(step)];
    const TActionData& record = item->Data;
    if (record.TargetType == TActionKind::Branch) {
      if (record.TargetID >= 0 && record.TargetID < step) {
        step = record.TargetID;
        continue;
      }
      ++skipped_;  // it would resume from itself or from the future
    } else {
      effective_.push_back(item);
    }
    --step;
  }
  std::reverse(effective_.begin(), effective_.end());
}

TActionItem* TReplayEngine::IndexedCreatingRecord(std::int32_t id) const {
  auto found = creatingRecords_.find(id);
  return found == creatingRecords_.end() ? nullptr : found->second;
}

TFigItem* TReplayEngine::LiveFigureOf(std::int32_t id) const {
  // Creating records are linked in step order and unlinked when their figure
  // leaves FigList, so a link here is always a figure of the drawing.
  const TActionItem* creator = IndexedCreatingRecord(id);
  return creator ? creator->Data.LiveItem : nullptr;
}

void TReplayEngine::Link(TActionData& record, TFigItem* item) {
  record.LiveItem = item;
  record.LiveFig = &item->Data;
  linked_.push_back(&record);
}

void TReplayEngine::Unlink(TActionData& record) {
  record.LiveFig = nullptr;
  record.LiveItem = nullptr;
}

void TReplayEngine::ClearDrawing() {
  for (TActionData* record : linked_) Unlink(*record);
  linked_.clear();
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
      break;
    }
    case TActionKind::Delete:
      AddCopy(deletedFigList_, live->Data);
      Unlink(IndexedCreatingRecord(record.TargetID)->Data);
      DeleteFig(figList_, live);
      break;
    case TActionKind::Front:
      MoveFront(figList_, live);  // already in front: nothing to do
      break;
    case TActionKind::Back:
      MoveBack(figList_, live);
      break;
    case TActionKind::Change:
      if (ApplyChange(record, *live) != 0) ++skipped_;
      break;
    default:
      break;
  }
}

}  // namespace mirel
