#include "history/history_list.h"

namespace mirel {

TActionItem* THistoryList::AddAction(const TFigData& figure) {
  TActionData record;
  record.FigData = figure;
  return Append(std::move(record));
}

TActionItem* THistoryList::AddBlankAction() { return Append(TActionData{}); }

void THistoryList::ClearHistory() {
  Links.UnlinkAll();
  if (IsEmpty()) return;
  Clear();
  NextFigureID = 1;
}

TActionItem* THistoryList::StepItem(std::int32_t step) const {
  if (step < 0) return nullptr;
  TActionItem* item = GetHead();
  for (std::int32_t i = 0; i < step && item; ++i) item = item->Next();
  return item;
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
  if (item && item != GetHead()) Links.Unlink(item->Data);
  return THeadList<TActionData>::Remove(item);
}

void FreeHistory(std::unique_ptr<THistoryList>& history) { history.reset(); }

}  // namespace mirel
