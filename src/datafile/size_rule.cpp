#include "datafile/size_rule.h"

#include <algorithm>

namespace mirel {
namespace {

// The flat table covers IDs below this many entries per record noted, plus
// a start.
constexpr std::size_t kFlatPerRecord = 4;
constexpr std::size_t kFlatStart = 4096;

}  // namespace

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
  ++noted_;
  if (Find(record.TargetID)) return;
  const std::size_t limit = kFlatStart + kFlatPerRecord * noted_;
  if (record.TargetID >= 0 && static_cast<std::size_t>(record.TargetID) < limit) {
    const auto id = static_cast<std::size_t>(record.TargetID);
    // Doubling keeps the growth rare; the limit keeps the table small.
    if (id >= flat_.size()) flat_.resize(std::min(std::max(id + 1, 2 * flat_.size()), limit));
    flat_[id] = &record;
  } else {
    far_.emplace(record.TargetID, &record);
  }
}

void TFirstRecordIndex::Forget(const TActionData& record) {
  if (InTable(record.TargetID) && flat_[static_cast<std::size_t>(record.TargetID)] == &record) {
    flat_[static_cast<std::size_t>(record.TargetID)] = nullptr;
    return;
  }
  const auto it = far_.find(record.TargetID);
  if (it != far_.end() && it->second == &record) far_.erase(it);
}

const TActionData* TFirstRecordIndex::Find(std::int32_t targetID) const {
  // An ID noted before the table reached it stays in the map.
  if (InTable(targetID) && flat_[static_cast<std::size_t>(targetID)]) {
    return flat_[static_cast<std::size_t>(targetID)];
  }
  if (far_.empty()) return nullptr;
  const auto it = far_.find(targetID);
  return it == far_.end() ? nullptr : it->second;
}

bool TFirstRecordIndex::InTable(std::int32_t targetID) const {
  return targetID >= 0 && static_cast<std::size_t>(targetID) < flat_.size();
}

std::uint8_t SizeSectionTool(const TFirstRecordIndex& index, const TActionData& record) {
  const TActionData* first = index.Find(record.TargetID);
  return (first ? *first : record).FigData.DrawingTool;
}

}  // namespace mirel
