// Taking back the steps a rebuild applied last, newest first.
#include "model/fig_ops.h"
#include "replay/replay_engine.h"

namespace mirel {

void TReplayEngine::RevertStep(TStepUndo& undo, std::int32_t target) {
  using TKind = TStepUndo::TKind;
  if (changes_) changes_->Applying(undo.Step, history_.Generation(), target);
  skipped_ = undo.SkippedBefore;
  if (undo.Kind == TKind::Nothing) return;
  if (undo.Kind == TKind::Background) {
    Everything();
    replayBGFile_ = std::move(undo.BackgroundBefore);
    return;
  }
  TActionData& record = *undo.Record;
  switch (undo.Kind) {
    case TKind::Added:
    case TKind::Restored: {
      TFigItem* added = figList_.GetTail();
      Leaving(added->Data);
      history_.Links.UnlinkFigure(&added->Data);
      if (TCreator* creator = creators_.Find(record.TargetID); creator && creator->Record == &record) {
        creator->Live = nullptr;
      }
      if (!linked_.empty() && linked_.back() == &record) linked_.pop_back();
      if (undo.Kind == TKind::Restored) deletedFigList_.Append(std::move(undo.Figure));
      DeleteFig(figList_, added);
      return;
    }
    case TKind::Deleted: {
      TFigItem* back = figList_.Attach(undo.After, std::move(undo.Deleted));
      DeleteFig(deletedFigList_, deletedFigList_.GetTail());
      // Linked as before it went; its record is still among those linked.
      if (undo.Linker) history_.Links.Link(*undo.Linker, &back->Data, back);
      creators_.Find(record.TargetID)->Live = back;
      if (undo.SizeBefore) history_.Links.SetSizeRecord(&back->Data, *undo.SizeBefore);
      Entered(back->Data);
      return;
    }
    default:
      break;
  }
  TFigItem* live = LiveFigureOf(record.TargetID);
  Leaving(live->Data);
  switch (undo.Kind) {
    case TKind::Moved:
      OffsetFig(live->Data, WrapSub(0, undo.Dx), WrapSub(0, undo.Dy));
      break;
    case TKind::Changed:
      live->Data = std::move(undo.Figure);
      break;
    case TKind::Reordered:
      if (undo.Swapped && record.TargetType == TActionKind::Front) MoveBack(figList_, live);
      if (undo.Swapped && record.TargetType == TActionKind::Back) MoveFront(figList_, live);
      break;
    default:
      break;
  }
  if (undo.SizeBefore) history_.Links.SetSizeRecord(&live->Data, *undo.SizeBefore);
  Entered(live->Data);
}

}  // namespace mirel
