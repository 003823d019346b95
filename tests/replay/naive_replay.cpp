#include "naive_replay.h"

#include "model/fig_ops.h"
#include "replay/apply_change.h"

namespace mirel::test {

std::string TNaiveReplay::Rebuild(std::int32_t step) {
  steps_.clear();
  for (TActionItem* i = history_.GetHead(); i; i = i->Next()) steps_.push_back(i);
  ClearLists();
  UnlinkAll();  // the lists' figures are gone
  background_.clear();
  for (std::int32_t s = 1; s <= step; ++s) Apply(s);
  return background_;
}

void TNaiveReplay::UnlinkAll() {
  for (TActionItem* i : steps_) i->Data.LiveFig = nullptr, i->Data.LiveItem = nullptr;
}

void TNaiveReplay::ClearLists() {
  ClearFigList(figList_);
  ClearFigList(deletedFigList_);
}

TFigItem* TNaiveReplay::LiveFigureOf(std::int32_t id, TActionData** creator) {
  for (std::size_t s = 1; s < steps_.size(); ++s) {
    TActionData& r = steps_[s]->Data;
    if (IsCreatingKind(r.TargetType) && r.TargetID == id) {
      *creator = &r;
      return r.LiveItem;
    }
  }
  return nullptr;
}

void TNaiveReplay::Apply(std::int32_t step) {
  TActionData& r = steps_[static_cast<std::size_t>(step)]->Data;
  r.LiveFig = nullptr;
  r.LiveItem = nullptr;
  TActionData* creator = nullptr;
  TFigItem* live = nullptr;
  auto link = [&r](TFigItem* item) {
    r.LiveItem = item;
    r.LiveFig = &item->Data;
  };
  switch (r.TargetType) {
    case TActionKind::Create:
    case TActionKind::Duplicate:
      link(AddCopy(figList_, r.FigData));
      break;
    case TActionKind::Move:
      if ((live = LiveFigureOf(r.TargetID, &creator))) {
        OffsetFig(live->Data, WrapSub(r.FigData.Start.X, live->Data.Start.X),
                  WrapSub(r.FigData.Start.Y, live->Data.Start.Y));
      }
      break;
    case TActionKind::Delete:
      if ((live = LiveFigureOf(r.TargetID, &creator))) {
        AddCopy(deletedFigList_, live->Data);
        creator->LiveFig = nullptr;
        creator->LiveItem = nullptr;
        DeleteFig(figList_, live);
      }
      break;
    case TActionKind::Undo:
      if (!deletedFigList_.IsEmpty()) {
        link(AddCopy(figList_, deletedFigList_.GetTail()->Data));
        DeleteFig(deletedFigList_, deletedFigList_.GetTail());
      }
      break;
    case TActionKind::Front:
      if ((live = LiveFigureOf(r.TargetID, &creator))) MoveFront(figList_, live);
      break;
    case TActionKind::Back:
      if ((live = LiveFigureOf(r.TargetID, &creator))) MoveBack(figList_, live);
      break;
    case TActionKind::Change:
      if ((live = LiveFigureOf(r.TargetID, &creator))) ApplyChange(r, *live);
      break;
    case TActionKind::ReadBG:
      background_ = r.FileName;
      break;
    case TActionKind::CleareBG:
      background_.clear();
      break;
    case TActionKind::ClearAll:
      background_.clear();
      [[fallthrough]];
    case TActionKind::ClearDrawing:
      ClearLists();
      UnlinkAll();
      break;
    case TActionKind::Branch:
      // A step before the first leaves the empty drawing: no step applies.
      if (r.TargetID < step) {
        background_.clear();
        ClearLists();
        UnlinkAll();
        for (std::int32_t s = 1; s <= r.TargetID; ++s) Apply(s);
      }
      break;
    default:
      break;
  }
}

}  // namespace mirel::test
