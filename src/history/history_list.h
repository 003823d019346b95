#pragma once
// The action history. Step 0 is the head (the empty drawing); step n is the
// n-th record after it. The history also hands out figure IDs.
#include <cstdint>
#include <memory>

#include "history/action_data.h"
#include "history/live_links.h"

namespace mirel {

class THistoryList : public THeadList<TActionData> {
 public:
  // Appends a record whose snapshot is a stored copy of `figure`.
  TActionItem* AddAction(const TFigData& figure);
  // Appends a record with default fields.
  TActionItem* AddBlankAction();
  std::int32_t GetStepCount() const { return Count(); }
  // Releases every record; NextFigureID goes back to 1 only when there were
  // records.
  void ClearHistory();

  // The item of step n (the head for 0), or none past the tail.
  TActionItem* StepItem(std::int32_t step) const;
  // The step number of an item of this history.
  std::int32_t StepOf(const TActionItem* item) const;
  // Clears LiveFig and LiveItem of every record after `item`; which records
  // gave the figures their sizes is for the next rebuild to tell.
  void ClearLinksAfter(TActionItem* item);
  // Unlinks the record first: no link outlives its record.
  int Remove(TActionItem* item);

  // The records that link the figures of the drawing.
  TLiveLinks Links;

  // The ID that the next creating record takes.
  std::int32_t NextFigureID = 1;
};

void FreeHistory(std::unique_ptr<THistoryList>& history);

}  // namespace mirel
