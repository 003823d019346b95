#pragma once
// The size rule: what follows the corners of a Change/Size section depends on
// the drawing tool of the first record in the history about the change's
// figure (the change itself included). Branch records take no part: their
// TargetID is a step number. Writer and reader decide the same way.
#include <cstdint>
#include <unordered_map>

#include "history/history_list.h"

namespace mirel {

// The first record of each TargetID, noted in history order, so that long
// histories do not search from the start for every Size change.
class TFirstRecordIndex {
 public:
  TFirstRecordIndex() = default;
  // Notes every record of `history`.
  explicit TFirstRecordIndex(const THistoryList& history);

  // Notes one record; records after the first of the same ID are ignored.
  void Note(const TActionData& record);
  // Forgets `record` if it is noted (a record dropped after a failed read).
  void Forget(const TActionData& record);
  const TActionData* Find(std::int32_t targetID) const;

 private:
  std::unordered_map<std::int32_t, const TActionData*> first_;
};

// The tool that decides the section after End for a Size change `record`.
// `index` must have noted `record` (or an earlier record of its ID).
std::uint8_t SizeSectionTool(const TFirstRecordIndex& index, const TActionData& record);

}  // namespace mirel
