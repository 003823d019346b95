#include "history/history_list.h"

#include <limits>

namespace mirel {

THistoryList::THistoryList() { steps_.push_back(GetHead()); }

TActionItem* THistoryList::Added(TActionItem* item) {
  steps_.push_back(item);
  return item;
}

TActionItem* THistoryList::AddAction(const TFigData& figure) {
  TActionData record;
  record.FigData = figure;
  return Added(Append(std::move(record)));
}

TActionItem* THistoryList::AddBlankAction() { return Added(AppendDefault()); }

void THistoryList::ClearHistory() {
  Links.UnlinkAll();
  if (IsEmpty()) return;
  Clear();
  steps_.resize(1);
  ++generation_;
  nextFigureID_ = 1;
}

std::int32_t THistoryList::TakeFigureID() {
  const std::int32_t id = nextFigureID_;
  if (nextFigureID_ < std::numeric_limits<std::int32_t>::max()) ++nextFigureID_;
  return id;
}

TActionItem* THistoryList::StepItem(std::int32_t step) const {
  if (step < 0 || static_cast<std::size_t>(step) >= steps_.size()) return nullptr;
  return steps_[static_cast<std::size_t>(step)];
}

std::int32_t THistoryList::StepOf(const TActionItem* item) const {
  std::int32_t step = 0;
  for (const TActionItem* i = GetHead(); i; i = i->Next(), ++step) {
    if (i == item) return step;
  }
  return -1;
}

void THistoryList::ClearLinksAfter(TActionItem* item) {
  for (TActionItem* i = GetNext(item); i; i = i->Next()) Links.Unlink(i->Data);
  Links.ForgetSizes();
}

int THistoryList::Remove(TActionItem* item) {
  if (!item || item == GetHead()) return 1;
  Links.Unlink(item->Data);
  const int result = THeadList<TActionData>::Remove(item);
  steps_.resize(1);
  for (TActionItem* i = GetHead()->Next(); i; i = i->Next()) steps_.push_back(i);
  ++generation_;
  return result;
}

void FreeHistory(std::unique_ptr<THistoryList>& history) { history.reset(); }

}  // namespace mirel
