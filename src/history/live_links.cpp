#include "history/live_links.h"

#include <algorithm>

namespace mirel {

void TLiveLinks::Link(TActionData& record, const TFigData* figure, TFigItem* item) {
  if (record.LiveFig) Unlink(record);
  record.LiveFig = figure;
  record.LiveItem = item;
  if (figure) entries_[figure].Records.push_back(&record);
}

void TLiveLinks::Unlink(TActionData& record) {
  if (record.LiveFig) {
    if (auto found = entries_.find(record.LiveFig); found != entries_.end()) {
      std::vector<TActionData*>& records = found->second.Records;
      // Records are unlinked newest first as a rule: search from the back.
      if (auto at = std::find(records.rbegin(), records.rend(), &record); at != records.rend()) {
        records.erase(std::next(at).base());
      }
      if (records.empty()) entries_.erase(found);
    }
  }
  record.LiveFig = nullptr;
  record.LiveItem = nullptr;
}

void TLiveLinks::UnlinkFigure(const TFigData* figure) {
  const auto found = entries_.find(figure);
  if (found == entries_.end()) return;
  for (TActionData* record : found->second.Records) {
    record->LiveFig = nullptr;
    record->LiveItem = nullptr;
  }
  entries_.erase(found);
}

void TLiveLinks::UnlinkAll() {
  for (auto& [figure, entry] : entries_) {
    for (TActionData* record : entry.Records) {
      record->LiveFig = nullptr;
      record->LiveItem = nullptr;
    }
  }
  entries_.clear();
}

void TLiveLinks::ForgetSizes() {
  for (auto& [figure, entry] : entries_) entry.Size = nullptr;
}

TActionData* TLiveLinks::Newest(const TFigData* figure) const {
  const auto found = entries_.find(figure);
  return found == entries_.end() || found->second.Records.empty() ? nullptr : found->second.Records.back();
}

void TLiveLinks::SetSizeRecord(const TFigData* figure, const TActionData& record) {
  entries_[figure].Size = &record;
}

TLiveLinks::TRecordsOf TLiveLinks::RecordsOf(const TFigData* figure) const {
  const auto found = entries_.find(figure);
  if (found == entries_.end()) return {};
  const TEntry& entry = found->second;
  return {entry.Records.empty() ? nullptr : entry.Records.back(), entry.Size};
}

const TActionData* TLiveLinks::SizeRecord(const TFigData* figure) const {
  const auto found = entries_.find(figure);
  return found == entries_.end() ? nullptr : found->second.Size;
}

}  // namespace mirel
