#pragma once
// The replay as first described: every rebuild applies every record from
// step 1, and a Branch replays its earlier steps again, recursively. Its cost
// grows exponentially with nested branches, so it serves only as the
// reference the engine is compared with, on short histories. It keeps the
// engine's rules for records that cannot apply.
#include <string>
#include <vector>

#include "history/history_list.h"

namespace mirel::test {

class TNaiveReplay {
 public:
  TNaiveReplay(THistoryList& history, TFigList& figList, TFigList& deletedFigList)
      : history_(history), figList_(figList), deletedFigList_(deletedFigList) {}

  // Returns the background the step asks for.
  std::string Rebuild(std::int32_t step);

 private:
  void Apply(std::int32_t step);
  TFigItem* LiveFigureOf(std::int32_t id, TActionData** creator);
  void UnlinkAll();
  void ClearLists();

  THistoryList& history_;
  TFigList& figList_;
  TFigList& deletedFigList_;
  std::vector<TActionItem*> steps_;
  std::string background_;
};

}  // namespace mirel::test
