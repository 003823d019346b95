#pragma once
// Which records link which figure of the drawing. Every link is made and
// broken here, so that finding a figure's newest record and the record that
// gave it its last recorded size never walks the history, and a figure that
// leaves the drawing leaves no record pointing at it.
#include <unordered_map>
#include <vector>

#include "history/action_data.h"

namespace mirel {

class TLiveLinks {
 public:
  // Makes `record` link `figure` (and its list item, when known).
  void Link(TActionData& record, const TFigData* figure, TFigItem* item = nullptr);
  // Clears the record's links.
  void Unlink(TActionData& record);
  // Clears every link to `figure`: it is leaving the drawing.
  void UnlinkFigure(const TFigData* figure);
  // Clears every link made here.
  void UnlinkAll();
  // Forgets which records gave the figures their sizes; a rebuild tells again.
  void ForgetSizes();

  // The newest record linking `figure`, or none.
  TActionData* Newest(const TFigData* figure) const;
  // The record whose snapshot gives `figure` the size it was last recorded
  // with (its creation, a move or a size change), or none.
  void SetSizeRecord(const TFigData* figure, const TActionData& record);
  const TActionData* SizeRecord(const TFigData* figure) const;
  // Both at once, found once.
  struct TRecordsOf {
    TActionData* Newest = nullptr;
    const TActionData* Size = nullptr;
  };
  TRecordsOf RecordsOf(const TFigData* figure) const;

 private:
  struct TEntry {
    std::vector<TActionData*> Records;  // oldest first
    const TActionData* Size = nullptr;
  };
  std::unordered_map<const TFigData*, TEntry> entries_;
};

}  // namespace mirel
