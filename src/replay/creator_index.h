#pragma once
// Figure ID -> the record that created the figure and the figure's node in
// FigList, for one rebuild. IDs handed out by the editor are small and dense,
// so they index a vector; any other ID (from a hand-edited file) goes to a
// hash map.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "history/action_data.h"

namespace mirel {

struct TCreator {
  TActionData* Record = nullptr;
  // The figure while it is in FigList; kept equal to Record->LiveItem.
  TFigItem* Live = nullptr;
};

class TCreatorIndex {
 public:
  // Forgets every entry; IDs 1..denseLimit will use the vector.
  void Reset(std::int32_t denseLimit);
  // Keeps the first creating record of an ID, as a walk from step 1 finds.
  void AddFirst(std::int32_t id, TActionData& record);
  // None when no indexed record created `id`.
  TCreator* Find(std::int32_t id);

 private:
  std::int32_t denseLimit_ = 0;
  std::vector<TCreator> dense_;  // dense_[id]
  std::unordered_map<std::int32_t, TCreator> sparse_;
};

}  // namespace mirel
