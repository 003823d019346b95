#include "datafile/size_rule.h"

namespace mirel {

TFirstRecordIndex::TFirstRecordIndex(const THistoryList& history) {
  for (const TActionItem* item = history.GetHead()->Next(); item; item = item->Next()) {
    Note(item->Data);
  }
}

void TFirstRecordIndex::Note(const TActionData& record) {
  // A Branch's TargetID is the step it resumes from, not a figure ID; taking
  // it for the first record of a figure drawn later would drop that
  // figure's points or stamp contents from its resizes.
  if (record.TargetType == TActionKind::Branch) return;
  first_.try_emplace(record.TargetID, &record);
}

void TFirstRecordIndex::Forget(const TActionData& record) {
  const auto it = first_.find(record.TargetID);
  if (it != first_.end() && it->second == &record) first_.erase(it);
}

const TActionData* TFirstRecordIndex::Find(std::int32_t targetID) const {
  const auto it = first_.find(targetID);
  return it == first_.end() ? nullptr : it->second;
}

std::uint8_t SizeSectionTool(const TFirstRecordIndex& index, const TActionData& record) {
  const TActionData* first = index.Find(record.TargetID);
  return (first ? *first : record).FigData.DrawingTool;
}

}  // namespace mirel
