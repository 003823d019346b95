#pragma once
// The size rule: what follows the corners of a Change/Size section depends on
// the drawing tool of the first record in the history about the change's
// figure (the change itself included). Branch records take no part: their
// TargetID is a step number. Writer and reader decide the same way.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "history/history_list.h"

namespace mirel {

// The first record of each TargetID, noted in history order, so that long
// histories do not search from the start for every Size change. IDs are
// handed out one after another, so most sit in a flat table; an ID far
// beyond the records noted (a hostile file's) goes to a map instead, which
// keeps the table at most a few entries per record.
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
  bool InTable(std::int32_t targetID) const;

  std::vector<const TActionData*> flat_;  // by ID; null where none was noted
  std::unordered_map<std::int32_t, const TActionData*> far_;
  std::size_t noted_ = 0;
};

// The tool that decides the section after End for a Size change `record`.
// `index` must have noted `record` (or an earlier record of its ID).
std::uint8_t SizeSectionTool(const TFirstRecordIndex& index, const TActionData& record);

}  // namespace mirel
