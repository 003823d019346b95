#pragma once
// The action history. Step 0 is the head (the empty drawing); step n is the
// n-th record after it. Records are only ever appended, or all released at
// once; the history indexes its steps as they come, and hands out figure IDs.
#include <cstdint>
#include <memory>
#include <vector>

#include "history/action_data.h"
#include "history/live_links.h"

namespace mirel {

class THistoryList : private THeadList<TActionData> {
 public:
  THistoryList();

  using THeadList<TActionData>::GetHead;
  using THeadList<TActionData>::GetTail;
  using THeadList<TActionData>::GetNext;
  using THeadList<TActionData>::IsEmpty;
  using THeadList<TActionData>::Count;

  // Appends a record whose snapshot is a stored copy of `figure`.
  TActionItem* AddAction(const TFigData& figure);
  // Appends a record with default fields.
  TActionItem* AddBlankAction();
  std::int32_t GetStepCount() const { return Count(); }
  // Releases every record; NextFigureID goes back to 1 only when there were
  // records.
  void ClearHistory();

  // The item of step n (the head for 0), or none outside the history.
  TActionItem* StepItem(std::int32_t step) const;
  // The step number of an item of this history, -1 for any other. Walks
  // the history: callers that step through it keep step numbers instead.
  std::int32_t StepOf(const TActionItem* item) const;
  // Clears LiveFig and LiveItem of every record after `item`; which records
  // gave the figures their sizes is for the next rebuild to tell.
  void ClearLinksAfter(TActionItem* item);
  // Releases one record (the reader drops a half-read one), unlinking it
  // first: no link outlives its record.
  int Remove(TActionItem* item);

  // Counts the times records were released: indexes built on the steps stay
  // valid while it is unchanged, and need only extending as records come.
  std::uint64_t Generation() const { return generation_; }

  // The records that link the figures of the drawing.
  TLiveLinks Links;

  // The ID that the next creating record takes.
  std::int32_t NextFigureID() const { return nextFigureID_; }
  // The reader sets it past the IDs it read.
  void SetNextFigureID(std::int32_t id) { nextFigureID_ = id; }
  // Hands out the next ID. A file may have set the counter to the top of the
  // range; it stays there rather than overflow.
  std::int32_t TakeFigureID();

 private:
  TActionItem* Added(TActionItem* item);

  std::int32_t nextFigureID_ = 1;

  std::vector<TActionItem*> steps_;  // steps_[n] = item of step n
  std::uint64_t generation_ = 0;
};

void FreeHistory(std::unique_ptr<THistoryList>& history);

}  // namespace mirel
